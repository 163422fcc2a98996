#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include "widgets/Responder.h"

class QWidget;

namespace kvd::gui {

// The one way the program shows a message. style is the classic style number
// (settings/MessageBoxStyle.h); an empty title shows the application's title. The buttons
// speak the interface language and have access keys. Returns the id of the button pressed,
// 1..7.
int LocalizedMessageBox(QWidget* owner, const QString& prompt, int style,
                        const QString& title = {});

// What a box showed, read back from the box itself.
struct MessageBoxRecord {
    QString prompt;
    QString title;
    int style = 0;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<int> buttons;       // ids, left to right
    QStringList buttonTexts;  // the captions of those buttons
    int defaultButton = 0;    // id
    bool applicationModal = false;
};

// Test seam: while one exists, every box is built as usual, handed to it instead of being
// shown, and answered with the id it returns. An answer the box has no button for counts as
// the default button. Responders nest; the newest answers.
class MessageBoxResponder : public Responder<MessageBoxRecord, int> {
public:
    using Responder::Responder;
    // Answers every box with the same button id.
    explicit MessageBoxResponder(int id);
};

}  // namespace kvd::gui
