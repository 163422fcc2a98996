#pragma once

#include <vector>

#include "settings/Language.h"
#include "texts/UserText.h"

class QAbstractButton;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QObject;
class QWidget;

namespace kvd::gui {

// A window's texts: each control with the catalogue text it shows. A window adds its
// controls as it makes them, fits them to both languages once, and applies the texts when it
// is made and on every QEvent::LanguageChange.
class Captions {
public:
    void add(QLabel* label, UserText text);
    void add(QAbstractButton* button, UserText text);
    void add(QGroupBox* frame, UserText text);
    void add(QAction* action, UserText text);
    void add(QMenu* menu, UserText text);
    void addTitle(QWidget* window, UserText text);
    void addToolTip(QAction* action, UserText text);
    // What a screen reader calls a control that shows no caption of its own.
    void addAccessibleName(QWidget* control, UserText text);
    // The items of a list from `first` on; they are rewritten in place, so the selection stays.
    void addItems(QComboBox* list, std::vector<UserText> items, int first = 0);

    // Writes every text in the interface language; nothing when they are in it already.
    void apply();
    // Writes every text in a language, to measure what it takes.
    void applyIn(LanguageId language);
    // Makes every label, button, frame and list wide enough for its texts in both languages,
    // so that a switch neither cuts a text nor moves the layout.
    void fitBothLanguages() const;

private:
    enum class Kind { Label, Button, Frame, Action, Menu, Title, ToolTip, AccessibleName, Items };
    struct Entry {
        Kind kind;
        QObject* target;
        std::vector<UserText> texts;  // one, or a list's items
        int first = 0;
    };
    void push(Kind kind, QObject* target, UserText text);
    static void write(const Entry& entry, LanguageId language);
    static void fit(const Entry& entry);

    std::vector<Entry> entries_;
    LanguageId shown_ = -1;
};

}  // namespace kvd::gui
