#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include <QObject>
#include <QString>

#include "image/RadioState.h"
#include "link/Action.h"
#include "link/LinkSequence.h"
#include "link/qt/LinkPort.h"
#include "shell/WriteOptions.h"

class QAction;

namespace kvd::link {
class SerialLink;
}  // namespace kvd::link

namespace kvd::gui {

class MainWindow;
struct ComparisonRow;

// The serial link on the main window: the port menu with its check marks, Read, Write and
// Compare with radio, the status line, the progress bar, the communication lock, and a
// backup of every read. A write reads the radio first (kept as a backup, its changes shown
// for confirmation) and reads it back after, as the Programming menu's options say.
class LinkCommands : public QObject {
    Q_OBJECT
public:
    // With no port given, the window talks to a real serial device.
    explicit LinkCommands(MainWindow& window, std::unique_ptr<link::LinkPort> port = {});
    ~LinkCommands() override;

    link::SerialLink& serialLink() { return *link_; }
    // Where backups of reads go; the per-user data folder unless a test says otherwise.
    void setBackupFolder(std::filesystem::path folder) { backupFolder_ = std::move(folder); }

    void SelectPort(int n);
    // The Programming menu's commands.
    void Read();
    void Write();
    void CompareWithRadio();

signals:
    // A command's conversations ended and what they found was shown.
    void conversationEnded(kvd::link::Outcome outcome);

private:
    void connectLink();
    void connectMenus();
    void connectWriteSteps();
    void startWrite(link::WriteChecks checks);
    QString saveBackup(const RadioState& radio, bool& saved);
    bool keepBackup(const RadioState& radio);
    bool confirmWrite(const link::WriteComparison* changes);
    void stepStarted();
    void afterEnd(link::Outcome outcome);
    void showComparison(UserText heading, UserText ours, UserText theirs,
                        std::vector<ComparisonRow> rows);
    void offerWriteWithoutBackup();
    void setLocked(bool locked, link::Mode mode = link::Mode::Read);
    // Checks item n (none for 0) with the device as its tooltip, and unchecks the others.
    void markPort(int n, const QString& device);
    void commitEdits();
    void portLost(const QString& status);
    void readApplied();
    void ended(link::Outcome outcome);
    void showStatus(const QString& text);

    MainWindow& window_;
    std::unique_ptr<link::LinkPort> port_;
    std::unique_ptr<link::SerialLink> link_;
    std::filesystem::path backupFolder_;
    bool conversing_ = false;     // the communication lock is engaged
    QString statusAfterRelease_;  // what the status line says once the lock is released
    WriteOptions options_;
    std::optional<RadioState> written_;  // what a write under way puts into the radio

    // The command under way.
    int step_ = 0;
    int steps_ = 0;
    bool backupRead_ = false;                       // a write's backup read reached the program
    QString backupStatus_;                          // the backup a write kept, for the status line
    std::optional<RadioState> radio_;               // what Compare with radio read
    std::optional<link::WriteComparison> differs_;  // what the check found, when it differs
    bool writeWhenReleased_ = false;                // the user chose to write without a backup
};

}  // namespace kvd::gui
