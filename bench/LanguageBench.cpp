// Time of one language switch with all sixteen channels programmed: every caption, list
// item and list-derived cell rewritten, and then the window repainted.
#include <cstdio>
#include <cstdlib>

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>

#include "BenchTimer.h"
#include "channels/ChoiceLists.h"
#include "channels/ToneList.h"
#include "image/RadioState.h"
#include "shell/MainWindow.h"
#include "shell/ProgramParts.h"

using namespace kvd;

namespace {

void FillTable(RadioState& state) {
    for (int row = 1; row <= ChannelTable::kChannels; ++row) {
        char frequency[16];
        std::snprintf(frequency, sizeof frequency, "%03d.%05d", 145, row * 625);
        auto& table = state.table;
        table.setCell(row, ChannelTable::kRxFrequency, frequency);
        table.setCell(row, ChannelTable::kTxFrequency, frequency);
        // Half the channels carry the off tone, which the switch rewrites.
        const int tone = row % 2 == 0 ? 0 : row * 7;
        for (int column : {ChannelTable::kRxTone, ChannelTable::kTxTone}) {
            table.setCell(row, column, ToneList::Text(tone, state.flags.Language));
            table.setChoiceIndex(row, column, static_cast<std::int16_t>(tone));
        }
        for (int column = ChannelTable::kPower; column <= ChannelTable::kScanAdd; ++column) {
            table.setCell(row, column, ChoiceLists::Text(column, row % 2, state.flags.Language));
            table.setChoiceIndex(row, column, static_cast<std::int16_t>(row % 2));
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QTemporaryDir folder;
    RadioState state;
    gui::MainWindow window(state, {folder.path()});
    // With every part attached, so the dialogs' texts are switched too.
    gui::AttachProgramParts(window);
    window.Startup();
    window.show();
    QApplication::processEvents();
    FillTable(state);
    QApplication::processEvents();

    auto switchLanguage = [&] {
        window.menuItem(state.flags.Language == kChinese ? "mnuEnglish" : "mnuChinese")->trigger();
    };
    std::printf("language switch, 16 channels programmed (platform %s)\n",
                qPrintable(QApplication::platformName()));
    bench::Measure("switch, texts written", 200, switchLanguage);
    bench::Measure("switch and repaint", 100, [&] {
        switchLanguage();
        window.repaint();
        QApplication::processEvents();
    });
    std::printf("  (target < 20 ms = 20000 us per switch)\n");
    return 0;
}
