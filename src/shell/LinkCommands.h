#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include <QObject>
#include <QString>

#include "image/RadioState.h"
#include "link/Action.h"
#include "link/qt/LinkPort.h"

class QAction;

namespace kvd::link {
class SerialLink;
}  // namespace kvd::link

namespace kvd::gui {

class MainWindow;

// The serial link on the main window: the port menu with its check marks, Read and Write,
// the status line, the progress bar, the communication lock, and a backup of every read.
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

signals:
    void conversationEnded(kvd::link::Outcome outcome);

private:
    void connectLink();
    void connectMenus();
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
    bool conversing_ = false;            // the communication lock is engaged
    QString statusAfterRelease_;         // what the status line says once the lock is released
    std::optional<RadioState> written_;  // what a write under way puts into the radio
};

}  // namespace kvd::gui
