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
#include "shell/MainWindow.h"

namespace kvd::gui {

namespace {

constexpr int kPorts = 8;

const LocalText kBackupSaved{"备份：", "Backup: "};
const LocalText kBackupFailed{"备份失败：", "No backup written: "};

}  // namespace

LinkCommands::LinkCommands(MainWindow& window, std::unique_ptr<link::LinkPort> port)
    : QObject(&window),
      window_(window),
      port_(port ? std::move(port) : std::make_unique<link::SerialPort>()),
      link_(std::make_unique<link::SerialLink>(window.state(), *port_)),
      backupFolder_(link::BackupFolder()) {
    setObjectName(QStringLiteral("LinkCommands"));
    link_->setMessageHandler([this](const QString& text, int style) {
        return window_.LocalizedMessageBox(text, style);
    });
    connectLink();
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
    connect(link_.get(), &link::SerialLink::ended, this, &LinkCommands::ended);
    connect(link_.get(), &link::SerialLink::portStatus, this, &LinkCommands::showStatus);
    connect(link_.get(), &link::SerialLink::portLost, this, &LinkCommands::portLost);
}

void LinkCommands::connectMenus() {
    connect(window_.menuItem("mnureadFre"), &QAction::triggered, this, [this] {
        statusAfterRelease_.clear();
        link_->Start(link::Mode::Read);
    });
    connect(window_.menuItem("mnuwriteFre"), &QAction::triggered, this, [this] {
        statusAfterRelease_.clear();
        link_->Start(link::Mode::Write);
    });
    for (int n = 1; n <= kPorts; ++n) {
        connect(portItem(n), &QAction::triggered, this, [this, n] { SelectPort(n); });
    }
    if (auto* portMenu = window_.findChild<QMenu*>(QStringLiteral("mnucom"))) {
        portMenu->setToolTipsVisible(true);
    }
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

QAction* LinkCommands::portItem(int n) const {
    return window_.menuItem(QStringLiteral("mnucom%1").arg(n).toLatin1().constData());
}

void LinkCommands::markPort(int n, const QString& device) {
    for (int i = 1; i <= kPorts; ++i) {
        portItem(i)->setChecked(i == n);
        portItem(i)->setToolTip(i == n ? device : QString());
    }
}

void LinkCommands::setLocked(bool locked, link::Mode mode) {
    conversing_ = locked;
    window_.findChild<QToolBar*>(QStringLiteral("Toolbar1"))->setEnabled(!locked);
    if (auto* programming = window_.findChild<QMenu*>(QStringLiteral("mnupro"))) {
        programming->setEnabled(!locked);
        programming->menuAction()->setEnabled(!locked);
    }
    window_.menuItem("mnureadFre")->setEnabled(!(locked && mode == link::Mode::Read));
    window_.menuItem("mnuwriteFre")->setEnabled(!(locked && mode == link::Mode::Write));
    window_.toolButton("read")->setEnabled(!(locked && mode == link::Mode::Read));
    window_.toolButton("write")->setEnabled(!(locked && mode == link::Mode::Write));
    if (!locked && !statusAfterRelease_.isEmpty()) {
        showStatus(statusAfterRelease_);
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
    window_.RefreshFromState();
    Backups::Saved saved = Backups::Save(backupFolder_, window_.state());
    const LanguageId language = window_.state().flags.Language;
    statusAfterRelease_ = saved.result ? QString::fromUtf8(kBackupSaved.pick(language)) +
                                             QString::fromStdString(saved.path.filename().string())
                                       : QString::fromUtf8(kBackupFailed.pick(language)) +
                                             QString::fromStdString(saved.result.detail);
    window_.statusLabel()->setToolTip(
        saved.result ? QString::fromStdString(FileAccess::Utf8Of(saved.path)) : QString());
}

void LinkCommands::ended(link::Outcome outcome) {
    emit conversationEnded(outcome);
}

void LinkCommands::showStatus(const QString& text) {
    QLabel* status = window_.statusLabel();
    status->setText(text);
    status->setVisible(true);
}

}  // namespace kvd::gui
