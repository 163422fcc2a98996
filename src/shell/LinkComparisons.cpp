// The parts of the link commands that compare: a write's backup read and its confirmation,
// the check after it, Compare with radio, and the offer to write when no backup was had.
#include <QLabel>
#include <QProgressBar>

#include "image/Comparison.h"
#include "link/qt/SerialLink.h"
#include "settings/MessageBoxStyle.h"
#include "shell/ComparisonDialog.h"
#include "shell/LinkCommands.h"
#include "shell/MainWindow.h"
#include "texts/TextIds.h"
#include "widgets/InterfaceLanguage.h"
#include "widgets/ModalDialog.h"

namespace kvd::gui {

namespace {

namespace Id = TextIds::compare;
namespace Style = MessageBoxStyle;

}  // namespace

void LinkCommands::connectWriteSteps() {
    link_->setBackupHandler([this](const RadioState& radio) { return keepBackup(radio); });
    link_->setConfirmHandler(
        [this](const link::WriteComparison* changes) { return confirmWrite(changes); });
    connect(link_.get(), &link::SerialLink::stepStarted, this, &LinkCommands::stepStarted);
    connect(link_.get(), &link::SerialLink::writeChecked, this,
            [this](const link::WriteComparison& check) {
                if (!check.equal()) {
                    differs_ = check;
                }
            });
}

bool LinkCommands::keepBackup(const RadioState& radio) {
    backupRead_ = true;
    bool saved = false;
    backupStatus_ = saveBackup(radio, saved);
    showStatus(backupStatus_);  // while the changes are shown, rather than the read's success
    return saved;
}

bool LinkCommands::confirmWrite(const link::WriteComparison* changes) {
    if (!changes) {
        return true;  // only a write without its backup read comes without changes
    }
    ComparisonDialog dialog(&window_, ComparisonDialog::Purpose::ConfirmWrite, Id::changes,
                            {Id::toBeWritten, Id::radioNow}, RowsOf(*changes));
    return RunModal(dialog) == QDialog::Accepted;
}

// The progress bar counts the conversations of a write with checks: "2/3".
void LinkCommands::stepStarted() {
    QProgressBar* progress = window_.progressBar();
    progress->setFormat(QStringLiteral("%1/%2").arg(++step_).arg(steps_));
    progress->setTextVisible(steps_ > 1);
}

void LinkCommands::afterEnd(link::Outcome outcome) {
    window_.progressBar()->setTextVisible(false);
    if (outcome == link::Outcome::ReadDone && radio_) {
        const RadioState radio = *std::exchange(radio_, std::nullopt);
        showComparison(Id::withRadio, Id::thisWindow, Id::radio,
                       RowsOf(Compare(window_.state(), radio)));
    } else if (outcome == link::Outcome::WriteDiffers && differs_) {
        const link::WriteComparison check = *std::exchange(differs_, std::nullopt);
        showComparison(TextIds::link::writeDiffers, Id::written, Id::radioHolds, RowsOf(check));
    } else if (outcome == link::Outcome::BackupFailed) {
        offerWriteWithoutBackup();
    }
    emit conversationEnded(outcome);
}

void LinkCommands::showComparison(UserText heading, UserText ours, UserText theirs,
                                  std::vector<ComparisonRow> rows) {
    ComparisonDialog dialog(&window_, ComparisonDialog::Purpose::Show, std::move(heading),
                            {std::move(ours), std::move(theirs)}, std::move(rows));
    RunModal(dialog);
}

// Says why nothing was written; a write without a backup takes two answers.
void LinkCommands::offerWriteWithoutBackup() {
    QString why = Tr(backupRead_ ? TextIds::link::backupNotKept : TextIds::link::backupReadFailed);
    if (backupRead_) {
        why += QLatin1Char('\n') + backupStatus_;
    }
    const int style = Style::kYesNo | Style::kExclamation | Style::kDefaultSecond;
    if (window_.LocalizedMessageBox(why + QStringLiteral("\n\n") + Tr(Id::writeWithoutBackup),
                                    style) != Style::kIdYes ||
        window_.LocalizedMessageBox(Tr(Id::reallyWithoutBackup), style) != Style::kIdYes) {
        return;
    }
    if (conversing_) {
        writeWhenReleased_ = true;
    } else {
        startWrite({false, false, options_.verifyAfter});
    }
}

}  // namespace kvd::gui
