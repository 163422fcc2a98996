#include "widgets/LocalizedMessageBox.h"

#include <array>

#include <QAbstractButton>
#include <QPushButton>

#include "settings/MessageBoxStyle.h"
#include "texts/TextIds.h"
#include "widgets/InterfaceLanguage.h"

namespace kvd::gui {

namespace {

namespace Style = MessageBoxStyle;

struct ButtonInfo {
    int id;
    QMessageBox::StandardButton standard;
    TextId caption;
};

const std::array<ButtonInfo, 9> kButtons = {{
    {Style::kIdOk, QMessageBox::Ok, TextIds::messageBox::ok},
    {Style::kIdCancel, QMessageBox::Cancel, TextIds::messageBox::cancel},
    {Style::kIdAbort, QMessageBox::Abort, TextIds::messageBox::abort},
    {Style::kIdRetry, QMessageBox::Retry, TextIds::messageBox::retry},
    {Style::kIdIgnore, QMessageBox::Ignore, TextIds::messageBox::ignore},
    {Style::kIdYes, QMessageBox::Yes, TextIds::messageBox::yes},
    {Style::kIdNo, QMessageBox::No, TextIds::messageBox::no},
    {Style::kIdSave, QMessageBox::Save, TextIds::messageBox::save},
    {Style::kIdDiscard, QMessageBox::Discard, TextIds::messageBox::discard},
}};

const ButtonInfo* InfoOf(int id) {
    for (const ButtonInfo& info : kButtons) {
        if (info.id == id) {
            return &info;
        }
    }
    return nullptr;
}

QMessageBox::StandardButton StandardButtonOf(int id) {
    const ButtonInfo* info = InfoOf(id);
    return info ? info->standard : QMessageBox::NoButton;
}

// 0 for a button that is no standard one.
int IdOf(QMessageBox::StandardButton button) {
    for (const ButtonInfo& info : kButtons) {
        if (info.standard == button) {
            return info.id;
        }
    }
    return 0;
}

QMessageBox::Icon IconOf(int style) {
    switch (style & 0xF0) {
        case Style::kCritical:
            return QMessageBox::Critical;
        case Style::kQuestion:
            return QMessageBox::Question;
        case Style::kExclamation:
            return QMessageBox::Warning;
        case Style::kInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

void AddButtons(QMessageBox& box, int style) {
    for (int id : Style::ButtonIds(style)) {
        QAbstractButton* button = box.addButton(StandardButtonOf(id));
        button->setText(Tr(InfoOf(id)->caption));
    }
    box.setDefaultButton(StandardButtonOf(Style::DefaultButtonId(style)));
}

MessageBoxRecord Describe(const QMessageBox& box, int style) {
    MessageBoxRecord record;
    record.prompt = box.text();
    record.title = box.windowTitle();
    record.style = style;
    record.icon = box.icon();
    for (int id : Style::ButtonIds(style)) {
        record.buttons.append(id);
        record.buttonTexts.append(box.button(StandardButtonOf(id))->text());
    }
    record.defaultButton = IdOf(box.standardButton(box.defaultButton()));
    record.applicationModal = box.windowModality() == Qt::ApplicationModal;
    return record;
}

// The button the user pressed; closing the box counts as its escape button.
int PressedId(const QMessageBox& box, int style) {
    QAbstractButton* pressed = box.clickedButton() ? box.clickedButton() : box.escapeButton();
    const int id = pressed ? IdOf(box.standardButton(pressed)) : 0;
    return id != 0 ? id : Style::DefaultButtonId(style);
}

}  // namespace

int LocalizedMessageBox(QWidget* owner, const QString& prompt, int style, const QString& title) {
    QMessageBox box(owner);
    box.setWindowTitle(title.isEmpty() ? Tr(TextIds::app::title) : title);
    box.setTextFormat(Qt::PlainText);
    box.setText(prompt);
    box.setIcon(IconOf(style));
    // Every box blocks the whole program; a system-modal box can do no more on this platform.
    box.setWindowModality(Qt::ApplicationModal);
    AddButtons(box, style);

    if (auto* responder = MessageBoxResponder::Current()) {
        const MessageBoxRecord record = Describe(box, style);
        const int answer = responder->respond(record);
        return record.buttons.contains(answer) ? answer : record.defaultButton;
    }
    box.exec();
    return PressedId(box, style);
}

MessageBoxResponder::MessageBoxResponder(int id)
    : Responder([id](const MessageBoxRecord&) { return id; }) {}

}  // namespace kvd::gui
