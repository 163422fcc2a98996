#pragma once

#include <memory>

#include <QAction>
#include <QByteArray>
#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "image/RadioState.h"
#include "settings/MessageBoxStyle.h"
#include "shell/BandCombo.h"
#include "shell/ChannelGrid.h"
#include "shell/ChannelTableModel.h"
#include "shell/FileDialogs.h"
#include "shell/MainWindow.h"
#include "widgets/LocalizedMessageBox.h"

// What the window's tests share: the window and its parts, and the seams that answer its
// message boxes and file dialogs.
namespace kvd::gui::test {

namespace Style = MessageBoxStyle;

// Band 136-174MHz, as most editing cases use it.
constexpr int kBand136 = 5;

// Receives the pages the program asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

// One run of the program in a folder of its own: preferences written before start-up, read
// back after the window closed.
class ShellRun {
public:
    ShellRun();

    // Without it the run is a first run.
    void writePreferences(const QByteArray& bytes);
    // "<missing>" when there is no file.
    QByteArray preferences() const;

    // The window with every program part attached, before start-up.
    MainWindow& build();
    // Start-up, then shown.
    MainWindow& start();
    // Started and active, so the focus moves as it does for a user.
    MainWindow& startActive();
    // The program started again in the same folder: the window closed and made anew, with
    // a fresh state.
    MainWindow& restart();
    MainWindow& window() { return *window_; }
    // Boxes no test responder answered; each got its default button.
    const QList<MessageBoxRecord>& unansweredBoxes() const { return fallback_.shown(); }
    QString folder() const { return dir_.path(); }

    RadioState state;

private:
    QTemporaryDir dir_;
    MessageBoxResponder fallback_;
    FileDialogResponder dialogFallback_;  // Cancel, so that no test waits for a real dialog
    std::unique_ptr<MainWindow> window_;
};

// Fills a channel as the editors and the decoder leave it: frequency, a CTCSS or off receive
// tone, off transmit tone, and each choice at one list position.
void FillChannel(RadioState& state, int row, const char* frequency, int rxTonePosition,
                 int choicePosition);

QString CellText(MainWindow& window, int row, int column);
// A menu item by its objectName, a toolbar button by its key: the old program's names stay.
QAction* MenuItem(MainWindow& window, const char* objectName);
QAction* ToolButton(MainWindow& window, const char* key);
// How much of a picture is drawn: its average opacity, 0 for an empty one to 255.
int Opacity(const QImage& picture);

// Opens every settings window once from its menu and closes it again, so that each exists
// (a window is made the first time it is needed); returns them.
QList<QDialog*> OpenEveryDialog(MainWindow& window);

// A left click on a grid cell, as the user makes it.
void ClickCell(MainWindow& window, int row, int column);
// Keys into whatever holds the focus.
void Type(const QString& text);
void Press(Qt::Key key);

}  // namespace kvd::gui::test
