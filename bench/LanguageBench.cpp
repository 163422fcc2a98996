// Time of one language switch with all sixteen channels programmed and every settings window
// made: every caption and list item rewritten, every cell shown again, and then the window
// repainted.
#include <cstdio>
#include <cstdlib>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>

#include "BenchTimer.h"
#include "app/ProgramParts.h"
#include "channels/ChannelCells.h"
#include "channels/ToneList.h"
#include "image/RadioState.h"
#include "shell/MainWindow.h"

using namespace kvd;

namespace {

void FillTable(RadioState& state) {
    for (int row = 1; row <= Channels::kCount; ++row) {
        Channel c;
        c.rx = Frequency::FromTens(14500000 + static_cast<std::uint32_t>(row) * 625);
        c.tx = c.rx;
        // Half the channels carry the off tone, whose text the switch changes.
        c.rxTone = c.txTone = ToneList::At(row % 2 == 0 ? 0 : row * 7);
        for (int column = ChannelCells::kPower; column <= ChannelCells::kScanAdd; ++column) {
            ChannelCells::SetChoice(c, column, row % 2);
        }
        state.channels[row] = c;
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
    window.RefreshFromState();
    // Every settings window made (each is made when first opened), so the switch rewrites all.
    const gui::MainMenus& menus = window.menus();
    for (QAction* item : {menus.powerDebug, menus.debugFrequencies, menus.optionalFunctions,
                          menus.keysSet, menus.embeddedInformation, menus.about}) {
        item->trigger();
    }
    for (QDialog* dialog : window.findChildren<QDialog*>()) {
        dialog->hide();
    }
    QApplication::processEvents();

    auto switchLanguage = [&] {
        (state.flags.Language == kChinese ? menus.english : menus.chinese)->trigger();
    };
    std::printf("language switch, 16 channels programmed, %d settings windows made (platform %s)\n",
                static_cast<int>(window.findChildren<QDialog*>().size()),
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
