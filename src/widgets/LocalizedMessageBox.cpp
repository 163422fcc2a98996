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
    QMessageBox::StandardButton standard;
    TextId caption;
};

// Indexed by id - 1.
const std::array<ButtonInfo, 7> kButtons = {{
    {QMessageBox::Ok, TextIds::messageBox::ok},
    {QMessageBox::Cancel, TextIds::messageBox::cancel},
    {QMessageBox::Abort, TextIds::messageBox::abort},
    {QMessageBox::Retry, TextIds::messageBox::retry},
    {QMessageBox::Ignore, TextIds::messageBox::ignore},
    {QMessageBox::Yes, TextIds::messageBox::yes},
    {QMessageBox::No, TextIds::messageBox::no},
}};

bool IsButtonId(int id) {
    return id >= Style::kIdOk && id <= Style::kIdNo;
}

QMessageBox::StandardButton StandardButtonOf(int id) {
    return IsButtonId(id) ? kButtons[id - 1].standard : QMessageBox::NoButton;
}

// 0 for a button that is no standard one.
int IdOf(QMessageBox::StandardButton button) {
    for (int id = Style::kIdOk; id <= Style::kIdNo; ++id) {
        if (kButtons[id - 1].standard == button) {
            return id;
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
        button->setText(Tr(kButtons[id - 1].caption));
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
