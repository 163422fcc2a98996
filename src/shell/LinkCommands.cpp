#include "shell/LinkCommands.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QToolBar>

#include "image/Backups.h"
#include "image/FileAccess.h"
#include "image/RadioState.h"
#include "link/qt/BackupLocation.h"
#include "link/qt/SerialLink.h"
#include "link/qt/SerialPort.h"
#include "shell/BandCombo.h"
#include "shell/FileSteps.h"
#include "shell/MainWindow.h"
#include "texts/TextIds.h"
#include "widgets/InterfaceLanguage.h"

namespace kvd::gui {

LinkCommands::LinkCommands(MainWindow& window, std::unique_ptr<link::LinkPort> port)
    : QObject(&window),
      window_(window),
      port_(port ? std::move(port) : std::make_unique<link::SerialPort>()),
      link_(std::make_unique<link::SerialLink>(window.state(), *port_)),
      backupFolder_(link::BackupFolder()),
      options_(WriteOptions::Load(window.configFolder())) {
    setObjectName(QStringLiteral("LinkCommands"));
    link_->setMessageHandler([this](const QString& text, int style) {
        return window_.LocalizedMessageBox(text, style);
    });
    connectLink();
    connectWriteSteps();
    connectMenus();
    window_.setPortRestorer([this](int n) {
        link_->RestorePort(n, window_.configFolder().toStdString());
        markPort(port_->isOpen() ? n : 0, QString());
    });
    window_.addCloseHandler([this] { port_->close(); });
}

LinkCommands::~LinkCommands() = default;

void LinkCommands::connectLink() {
    QLabel* status = window_.statusLabel();
    QProgressBar* progress = window_.progressBar();
    connect(link_.get(), &link::SerialLink::statusTextChanged, status, &QLabel::setText);
    connect(link_.get(), &link::SerialLink::statusVisibleChanged, status, &QLabel::setVisible);
    connect(link_.get(), &link::SerialLink::progressChanged, progress,
            [progress](bool visible, int value) {
                progress->setValue(value);
                progress->setVisible(visible);
            });
    connect(link_.get(), &link::SerialLink::lockEngaged, this,
            [this](link::Mode mode) { setLocked(true, mode); });
    connect(link_.get(), &link::SerialLink::lockReleased, this, [this] { setLocked(false); });
    connect(link_.get(), &link::SerialLink::commitEditsRequested, this, &LinkCommands::commitEdits);
    connect(link_.get(), &link::SerialLink::readApplied, this, &LinkCommands::readApplied);
    connect(link_.get(), &link::SerialLink::radioRead, this, [this](const RadioState& radio) {
        bool saved = false;
        statusAfterRelease_ = saveBackup(radio, saved);
        radio_ = radio;
    });
    connect(link_.get(), &link::SerialLink::ended, this, &LinkCommands::ended);
    connect(link_.get(), &link::SerialLink::portStatus, this, &LinkCommands::showStatus);
    connect(link_.get(), &link::SerialLink::portLost, this, &LinkCommands::portLost);
}

void LinkCommands::connectMenus() {
    const MainMenus& menus = window_.menus();
    connect(menus.readFrequency, &QAction::triggered, this, &LinkCommands::Read);
    connect(menus.writeFrequency, &QAction::triggered, this, &LinkCommands::Write);
    connect(menus.compareRadio, &QAction::triggered, this, &LinkCommands::CompareWithRadio);
    menus.backupFirst->setChecked(options_.backupFirst);
    menus.verifyAfter->setChecked(options_.verifyAfter);
    for (auto [item, option] : {std::pair(menus.backupFirst, &WriteOptions::backupFirst),
                                std::pair(menus.verifyAfter, &WriteOptions::verifyAfter)}) {
        connect(item, &QAction::toggled, this, [this, option](bool on) {
            options_.*option = on;
            options_.Save(window_.configFolder());
        });
    }
    for (int n = 1; n <= MainMenus::kPorts; ++n) {
        connect(menus.portItem(n), &QAction::triggered, this, [this, n] { SelectPort(n); });
    }
    menus.ports->setToolTipsVisible(true);
}

void LinkCommands::Read() {
    // A read replaces the configuration: unsaved changes are asked about first.
    FileSteps::CommitOpenEdit(window_);
    if (!window_.settleUnsavedChanges()) {
        return;
    }
    statusAfterRelease_.clear();
    backupStatus_.clear();
    link_->Start(link::Mode::Read);
}

void LinkCommands::CompareWithRadio() {
    statusAfterRelease_.clear();
    backupStatus_.clear();
    radio_.reset();
    link_->StartReadApart();
}

void LinkCommands::Write() {
    // Without the backup read there is nothing to show before writing.
    startWrite({options_.backupFirst, options_.backupFirst, options_.verifyAfter});
}

void LinkCommands::startWrite(link::WriteChecks checks) {
    statusAfterRelease_.clear();
    backupStatus_.clear();
    backupRead_ = false;
    differs_.reset();
    step_ = 0;
    steps_ = 1 + checks.backup + checks.verify;
    link_->StartWrite(checks);
    // What the write encodes: its start has written any edit in progress.
    written_ = window_.state();
}

void LinkCommands::SelectPort(int n) {
    // Choosing an unmarked item takes the marks off the others first; the port under them
    // is closed either way.
    markPort(0, QString());
    link::OpenResult opened = link_->SelectPort(n, window_.configFolder().toStdString());
    if (opened.ok) {
        markPort(n, QString::fromStdString(opened.device));
    }
}

void LinkCommands::markPort(int n, const QString& device) {
    for (int i = 1; i <= MainMenus::kPorts; ++i) {
        QAction* item = window_.menus().portItem(i);
        item->setChecked(i == n);
        item->setToolTip(i == n ? device : QString());
    }
}

void LinkCommands::setLocked(bool locked, link::Mode mode) {
    conversing_ = locked;
    const MainMenus& menus = window_.menus();
    const MainToolBar& toolBar = window_.toolBar();
    toolBar.bar->setEnabled(!locked);
    menus.programming->setEnabled(!locked);
    menus.programming->menuAction()->setEnabled(!locked);
    const bool reading = locked && mode == link::Mode::Read;
    const bool writing = locked && mode == link::Mode::Write;
    menus.readFrequency->setEnabled(!reading);
    menus.writeFrequency->setEnabled(!writing);
    toolBar.read->setEnabled(!reading);
    toolBar.write->setEnabled(!writing);
    if (locked) {
        return;
    }
    if (!statusAfterRelease_.isEmpty()) {
        showStatus(statusAfterRelease_);
    } else if (!backupStatus_.isEmpty()) {
        showStatus(window_.statusLabel()->text() + QStringLiteral("  ") + backupStatus_);
    }
    if (writeWhenReleased_) {
        writeWhenReleased_ = false;
        startWrite({false, false, options_.verifyAfter});
    }
}

void LinkCommands::commitEdits() {
    // Moving the focus to the band list makes an open cell editor commit before the image
    // is encoded; a read or write enables the band frame even under the edit lock.
    window_.bandFrame()->setEnabled(true);
    window_.bandList()->setFocus(Qt::OtherFocusReason);
}

// The port is closed: no item stays marked, and choosing it again opens it anew. A
// conversation under way ends by its time-out, after which the status line says it again.
void LinkCommands::portLost(const QString& status) {
    markPort(0, QString());
    showStatus(status);
    if (conversing_) {
        statusAfterRelease_ = status;
    }
}

void LinkCommands::readApplied() {
    window_.RefreshFromState(TextIds::undo::read);
    window_.configurationStored(ConfigurationDocument::Origin::ReadFromRadio);
    bool saved = false;
    statusAfterRelease_ = saveBackup(window_.state(), saved);
}

// Keeps a read as a backup; gives the status line's words for it and points the status
// line's tooltip at the file.
QString LinkCommands::saveBackup(const RadioState& radio, bool& saved) {
    const Backups::Saved backup = Backups::Save(backupFolder_, radio);
    saved = static_cast<bool>(backup.result);
    window_.statusLabel()->setToolTip(
        saved ? QString::fromStdString(FileAccess::Utf8Of(backup.path)) : QString());
    return Tr(saved ? UserText(TextIds::link::backupSaved,
                               {UserText::Verbatim(FileAccess::Utf8Of(backup.path.filename()))})
                    : UserText(TextIds::link::backupNotWritten, {FileProblem(backup.result)}),
              window_.state().flags.Language);
}

void LinkCommands::ended(link::Outcome outcome) {
    const bool written =
        outcome == link::Outcome::WriteDone || outcome == link::Outcome::WriteVerified;
    if (written && written_) {
        window_.configurationWritten(*written_);
    }
    written_.reset();
    // What the conversations found is shown once they are over, outside the link's work.
    QMetaObject::invokeMethod(
        this, [this, outcome] { afterEnd(outcome); }, Qt::QueuedConnection);
}

void LinkCommands::showStatus(const QString& text) {
    QLabel* status = window_.statusLabel();
    status->setText(text);
    status->setVisible(true);
}

}  // namespace kvd::gui
