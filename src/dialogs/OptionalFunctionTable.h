#pragma once

#include <span>

#include <QStringList>

#include "shell/CaptionTable.h"

namespace kvd {
struct ProgramSettings;
}

namespace kvd::gui {

// Where a list of the optional-function dialog keeps its value, and in what unit.
struct ListSetting {
    enum Table { Function, Basic };
    enum Unit {
        Index,          // the selected index itself
        ChannelNumber,  // index + 1
        Milliseconds,   // 100 + 50 x index
    };
    Table table;
    int slot;
    Unit unit = Index;
};

// A list of the dialog: its items and its setting.
struct OptionalList {
    const char* name;
    ListSetting setting;
    std::span<const LocalText> localItems;  // first items, rewritten by the language switch
    QStringList (*fixedItems)() = nullptr;  // then these, the same in both languages
};

// A text box or check box of the dialog and the FunctionOptions slot it edits.
struct FieldSlot {
    const char* name;
    int functionSlot;
};

namespace OptionalFunctionTable {

// The lists of the VOX and scan groups, PTT ID and duplicate, in the order they are
// filled; then those of the DTMF group, filled last.
std::span<const OptionalList> LeadingLists();
std::span<const OptionalList> DtmfLists();

// Every item of a list, the local ones in the language.
QStringList Items(const OptionalList& list, LanguageId language);

// The text boxes (scan delays, then the ID, transmit-start and transmit-end codes) and the
// check boxes, in the order they are filled.
std::span<const FieldSlot> TextFields();
std::span<const FieldSlot> CheckBoxes();

// The index a stored value selects; a value that names no item selects the first.
int IndexOf(const ListSetting& setting, int value, int count);
int ValueOf(const ListSetting& setting, int index);

int Read(const ProgramSettings& settings, const ListSetting& setting);
void Write(ProgramSettings& settings, const ListSetting& setting, int value);

// Captions, frames, buttons and the local list items of the dialog.
CaptionTable Captions();

// The scan-group captions that form the hidden debug-access gesture, in gesture order.
std::span<const char* const> GestureCaptions();

}  // namespace OptionalFunctionTable
}  // namespace kvd::gui
