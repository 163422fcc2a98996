#include "ShellTestSupport.h"

#include <QFile>
#include <QTest>

#include "channels/ChoiceLists.h"
#include "channels/ToneList.h"
#include "shell/ChannelTableModel.h"
#include "shell/Preferences.h"
#include "shell/ProgramParts.h"

namespace kvd::gui::test {

ShellRun::ShellRun()
    : fallback_([](const MessageBoxRecord& box) {
          qWarning("message box no test answered: %s", qPrintable(box.prompt));
          return box.defaultButton;
      }) {
    QVERIFY(dir_.isValid());
}

void ShellRun::writePreferences(const QByteArray& bytes) {
    QFile file(Preferences::PathIn(folder()));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ShellRun::preferences() const {
    QFile file(Preferences::PathIn(folder()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool ShellRun::hasPreferences() const {
    return QFile::exists(Preferences::PathIn(folder()));
}

MainWindow& ShellRun::build() {
    window_ = std::make_unique<MainWindow>(state, MainWindow::Options{folder()});
    AttachProgramParts(*window_);
    return *window_;
}

MainWindow& ShellRun::start() {
    if (!window_) {
        build();
    }
    window_->Startup();
    window_->show();
    return *window_;
}

void FillChannel(RadioState& state, int row, const char* frequency, int rxTonePosition,
                 int choicePosition) {
    const LanguageId language = state.flags.Language;
    auto& table = state.table;
    table.setCell(row, ChannelTable::kRxFrequency, frequency);
    table.setCell(row, ChannelTable::kTxFrequency, frequency);
    table.setCell(row, ChannelTable::kRxTone, ToneList::Text(rxTonePosition, language));
    table.setChoiceIndex(row, ChannelTable::kRxTone, static_cast<std::int16_t>(rxTonePosition));
    table.setCell(row, ChannelTable::kTxTone, ToneList::Text(0, language));
    table.setChoiceIndex(row, ChannelTable::kTxTone, 0);
    for (int column = ChannelTable::kPower; column <= ChannelTable::kScanAdd; ++column) {
        table.setCell(row, column, ChoiceLists::Text(column, choicePosition, language));
        table.setChoiceIndex(row, column, static_cast<std::int16_t>(choicePosition));
    }
}

QString CellText(MainWindow& window, int row, int column) {
    return window.gridModel()->index(row, column).data().toString();
}

}  // namespace kvd::gui::test
