#pragma once

#include <span>

#include <QStringList>

#include "image/Settings.h"
#include "shell/CaptionTable.h"

namespace kvd::gui {

// The setting a list of the optional-function dialog edits, and in what unit.
struct ListSetting {
    enum Unit {
        Index,          // the selected index itself
        ChannelNumber,  // index + 1
        Milliseconds,   // 100 + 50 x index
    };
    std::int16_t Settings::*member;
    Unit unit = Index;
};

// A list of the dialog: its items and its setting.
struct OptionalList {
    const char* name;
    ListSetting setting;
    std::span<const LocalText> localItems;  // first items, rewritten by the language switch
    QStringList (*fixedItems)() = nullptr;  // then these, the same in both languages
};

// A text box or check box of the dialog and the setting it edits.
template <class Value>
struct FieldSetting {
    const char* name;
    Value Settings::*member;
};
using DelayField = FieldSetting<std::optional<std::int16_t>>;  // seconds; empty for none
using CodeField = FieldSetting<std::string>;
using CheckField = FieldSetting<bool>;

namespace OptionalFunctionTable {

// The lists of the VOX and scan groups, PTT ID and duplicate, in the order they are
// filled; then those of the DTMF group, filled last.
std::span<const OptionalList> LeadingLists();
std::span<const OptionalList> DtmfLists();

// Every item of a list, the local ones in the language.
QStringList Items(const OptionalList& list, LanguageId language);

// The text boxes (scan delays, then the ID, transmit-start and transmit-end codes) and the
// check boxes, in the order they are filled.
std::span<const DelayField> DelayFields();
std::span<const CodeField> CodeFields();
std::span<const CheckField> CheckBoxes();

// The index a stored value selects; a value that names no item selects the first.
int IndexOf(const ListSetting& setting, int value, int count);
int ValueOf(const ListSetting& setting, int index);

int Read(const Settings& settings, const ListSetting& setting);
void Write(Settings& settings, const ListSetting& setting, int value);

// Captions, frames, buttons and the local list items of the dialog.
CaptionTable Captions();

// The scan-group captions that form the hidden debug-access gesture, in gesture order.
std::span<const char* const> GestureCaptions();

}  // namespace OptionalFunctionTable
}  // namespace kvd::gui
