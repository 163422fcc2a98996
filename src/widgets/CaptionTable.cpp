#include "widgets/CaptionTable.h"

#include <functional>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

namespace kvd::gui {

namespace {

QObject* Find(QWidget* window, const char* name) {
    const QString objectName = QString::fromLatin1(name);
    if (window->objectName() == objectName) {
        return window;
    }
    return window->findChild<QObject*>(objectName);
}

using Setter = std::function<void(const QString&)>;

// Where a control of each kind shows its caption; empty when it shows none.
Setter TextSetter(QObject* target) {
    if (auto* action = qobject_cast<QAction*>(target)) {
        return [action](const QString& text) { action->setText(text); };
    }
    if (auto* menu = qobject_cast<QMenu*>(target)) {
        return [menu](const QString& text) { menu->setTitle(text); };
    }
    if (auto* group = qobject_cast<QGroupBox*>(target)) {
        return [group](const QString& text) { group->setTitle(text); };
    }
    if (auto* label = qobject_cast<QLabel*>(target)) {
        return [label](const QString& text) { label->setText(text); };
    }
    if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        return [button](const QString& text) { button->setText(text); };
    }
    if (auto* widget = qobject_cast<QWidget*>(target); widget && widget->isWindow()) {
        return [widget](const QString& text) { widget->setWindowTitle(text); };
    }
    return {};
}

Setter ToolTipSetter(QObject* target) {
    if (auto* action = qobject_cast<QAction*>(target)) {
        return [action](const QString& text) { action->setToolTip(text); };
    }
    if (auto* widget = qobject_cast<QWidget*>(target)) {
        return [widget](const QString& text) { widget->setToolTip(text); };
    }
    return {};
}

Setter SetterFor(QWidget* window, const Caption& caption) {
    QObject* target = Find(window, caption.objectName);
    if (!target) {
        return {};
    }
    return caption.kind == Caption::Text ? TextSetter(target) : ToolTipSetter(target);
}

void ApplyList(QComboBox* list, const ListCaption& caption, LanguageId language) {
    const int count = std::min<int>(list->count(), static_cast<int>(caption.items.size()));
    for (int i = 0; i < count; ++i) {
        list->setItemText(i, QString::fromUtf8(caption.items[i].pick(language)));
    }
}

}  // namespace

void ApplyCaptions(QWidget* window, const CaptionTable& table, LanguageId language) {
    for (const Caption& caption : table.captions) {
        if (Setter set = SetterFor(window, caption)) {
            set(QString::fromUtf8(caption.text.pick(language)));
        }
    }
    for (const ListCaption& caption : table.lists) {
        if (auto* list = qobject_cast<QComboBox*>(Find(window, caption.objectName))) {
            ApplyList(list, caption, language);
        }
    }
}

QStringList MissingCaptionTargets(QWidget* window, const CaptionTable& table) {
    QStringList missing;
    for (const Caption& caption : table.captions) {
        if (!SetterFor(window, caption)) {
            missing.append(QString::fromLatin1(caption.objectName));
        }
    }
    for (const ListCaption& caption : table.lists) {
        if (!qobject_cast<QComboBox*>(Find(window, caption.objectName))) {
            missing.append(QString::fromLatin1(caption.objectName));
        }
    }
    return missing;
}

}  // namespace kvd::gui
