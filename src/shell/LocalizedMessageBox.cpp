#include "shell/LocalizedMessageBox.h"

#include <QAbstractButton>
#include <QPushButton>

#include "shell/MessageBoxStyle.h"
#include "shell/ShellTexts.h"

namespace kvd::gui {

namespace {

namespace Style = MessageBoxStyle;

void AddButtons(QMessageBox& box, int style, LanguageId language) {
    for (int id : Style::ButtonIds(style)) {
        QAbstractButton* button = box.addButton(Style::StandardButtonOf(id));
        if (const char* text = Style::ButtonText(id, language)) {
            button->setText(QString::fromUtf8(text));
        }
    }
    box.setDefaultButton(Style::StandardButtonOf(Style::DefaultButtonId(style)));
}

MessageBoxRecord Describe(const QMessageBox& box, int style) {
    MessageBoxRecord record;
    record.prompt = box.text();
    record.title = box.windowTitle();
    record.style = style;
    record.icon = box.icon();
    for (int id : Style::ButtonIds(style)) {
        record.buttons.append(id);
        record.buttonTexts.append(box.button(Style::StandardButtonOf(id))->text());
    }
    record.defaultButton = Style::IdOf(box.standardButton(box.defaultButton()));
    record.applicationModal = box.windowModality() == Qt::ApplicationModal;
    return record;
}

// The button the user pressed; closing the box counts as its escape button.
int PressedId(const QMessageBox& box, int style) {
    QAbstractButton* pressed = box.clickedButton() ? box.clickedButton() : box.escapeButton();
    const int id = pressed ? Style::IdOf(box.standardButton(pressed)) : 0;
    return id != 0 ? id : Style::DefaultButtonId(style);
}

}  // namespace

int LocalizedMessageBox(QWidget* owner, LanguageId language, const QString& prompt, int style,
                        const QString& title) {
    QMessageBox box(owner);
    box.setWindowTitle(title.isEmpty() ? QString::fromUtf8(ShellTexts::kApplicationTitle) : title);
    box.setTextFormat(Qt::PlainText);
    box.setText(prompt);
    box.setIcon(Style::IconOf(style));
    // Every box blocks the whole program; a system-modal box can do no more on this platform.
    box.setWindowModality(Qt::ApplicationModal);
    AddButtons(box, style, language);

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
