#include "widgets/Captions.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

#include "widgets/InterfaceLanguage.h"
#include "widgets/LanguageFit.h"

namespace kvd::gui {

namespace {

QStringList InBothLanguages(const UserText& text) {
    return {Tr(text, kChinese), Tr(text, kEnglish)};
}

}  // namespace

void Captions::push(Kind kind, QObject* target, UserText text) {
    entries_.push_back({kind, target, {std::move(text)}});
}

void Captions::add(QLabel* label, UserText text) {
    push(Kind::Label, label, std::move(text));
}
void Captions::add(QAbstractButton* button, UserText text) {
    push(Kind::Button, button, std::move(text));
}
void Captions::add(QGroupBox* frame, UserText text) {
    push(Kind::Frame, frame, std::move(text));
}
void Captions::add(QAction* action, UserText text) {
    push(Kind::Action, action, std::move(text));
}
void Captions::add(QMenu* menu, UserText text) {
    push(Kind::Menu, menu, std::move(text));
}
void Captions::addTitle(QWidget* window, UserText text) {
    push(Kind::Title, window, std::move(text));
}
void Captions::addToolTip(QAction* action, UserText text) {
    push(Kind::ToolTip, action, std::move(text));
}
void Captions::addAccessibleName(QWidget* control, UserText text) {
    push(Kind::AccessibleName, control, std::move(text));
}
void Captions::addItems(QComboBox* list, std::vector<UserText> items, int first) {
    entries_.push_back({Kind::Items, list, std::move(items), first});
}

void Captions::write(const Entry& entry, LanguageId language) {
    QObject* target = entry.target;
    const QString text = entry.kind == Kind::Items ? QString() : Tr(entry.texts[0], language);
    switch (entry.kind) {
        case Kind::Label:
            static_cast<QLabel*>(target)->setText(text);
            break;
        case Kind::Button:
            static_cast<QAbstractButton*>(target)->setText(text);
            break;
        case Kind::Frame:
            static_cast<QGroupBox*>(target)->setTitle(text);
            break;
        case Kind::Action:
            static_cast<QAction*>(target)->setText(text);
            break;
        case Kind::Menu:
            static_cast<QMenu*>(target)->setTitle(text);
            break;
        case Kind::Title:
            static_cast<QWidget*>(target)->setWindowTitle(text);
            break;
        case Kind::ToolTip:
            static_cast<QAction*>(target)->setToolTip(text);
            break;
        case Kind::AccessibleName:
            static_cast<QWidget*>(target)->setAccessibleName(text);
            break;
        case Kind::Items: {
            auto* list = static_cast<QComboBox*>(target);
            for (std::size_t i = 0; i < entry.texts.size(); ++i) {
                list->setItemText(entry.first + static_cast<int>(i), Tr(entry.texts[i], language));
            }
            break;
        }
    }
}

void Captions::apply() {
    if (InterfaceLanguage() != shown_) {
        applyIn(InterfaceLanguage());
    }
}

void Captions::applyIn(LanguageId language) {
    shown_ = language;
    for (const Entry& entry : entries_) {
        write(entry, language);
    }
}

void Captions::fit(const Entry& entry) {
    switch (entry.kind) {
        case Kind::Label:
            FitLabel(static_cast<QLabel*>(entry.target), InBothLanguages(entry.texts[0]));
            break;
        case Kind::Button:
            FitWidest(static_cast<QAbstractButton*>(entry.target), InBothLanguages(entry.texts[0]));
            break;
        case Kind::Frame:
            FitWidest(static_cast<QGroupBox*>(entry.target), InBothLanguages(entry.texts[0]));
            break;
        case Kind::Items: {
            auto* list = static_cast<QComboBox*>(entry.target);
            QStringList texts;
            for (int i = 0; i < list->count(); ++i) {
                const int own = i - entry.first;
                if (own >= 0 && own < static_cast<int>(entry.texts.size())) {
                    texts << InBothLanguages(entry.texts[own]);
                } else {
                    texts << list->itemText(i);
                }
            }
            FitComboItems(list, texts);
            break;
        }
        default:
            break;
    }
}

void Captions::fitBothLanguages() const {
    // Frames last: what they need includes the widths their controls were just given.
    for (bool frames : {false, true}) {
        for (const Entry& entry : entries_) {
            if ((entry.kind == Kind::Frame) == frames) {
                fit(entry);
            }
        }
    }
}

}  // namespace kvd::gui
