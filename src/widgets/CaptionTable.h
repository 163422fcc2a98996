#pragma once

#include <span>

#include <QStringList>

#include "settings/Language.h"

class QWidget;

namespace kvd::gui {

// A window's texts in both languages, as data. Each entry names its control by objectName;
// the window's own objectName stands for the window (its title).
struct Caption {
    enum Kind { Text, ToolTip };
    const char* objectName;
    Kind kind;
    LocalText text;
};

// A list whose items are rewritten by position, so its selection stays.
struct ListCaption {
    const char* objectName;
    std::span<const LocalText> items;
};

struct CaptionTable {
    std::span<const Caption> captions;
    std::span<const ListCaption> lists;
};

// Writes every text of the table into the window for the language.
void ApplyCaptions(QWidget* window, const CaptionTable& table, LanguageId language);

// Names in the table that the window lacks, or whose control takes no text of that kind.
QStringList MissingCaptionTargets(QWidget* window, const CaptionTable& table);

}  // namespace kvd::gui
