// CSV import and export from the File menu, through the same dialogs and messages as the
// channel files.
#include <QFile>
#include <QMenu>
#include <QTest>

#include "EditorTestSupport.h"
#include "shell/FileDialogs.h"
#include "shell/LocalizedMessageBox.h"
#include "shell/MessageBoxStyle.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;
namespace Style = kvd::gui::MessageBoxStyle;
using Col = ChannelTable::Column;

namespace {

MainWindow& StartWithChannels(ShellRun& run) {
    MainWindow& window = StartActive(run);
    run.state.band.TakeBand(kBand136);
    FillChannel(run.state, 1, "145.00000", 9, 1);
    FillChannel(run.state, 5, "150.02500", 60, 1);
    FillChannel(run.state, 16, "173.99375", 0, 1);
    window.RefreshFromState();
    return window;
}

QString WriteCsv(ShellRun& run, const char* name, const QByteArray& text) {
    const QString path = run.folder() + "/" + name;
    QFile file(path);
    [&] { QVERIFY(file.open(QIODevice::WriteOnly)); }();
    file.write(text);
    return path;
}

}  // namespace

class CsvCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void exportThenImportGivesTheSameTable() {
        ShellRun run;
        MainWindow& window = StartWithChannels(run);
        const ChannelTable exported = run.state.table;
        const QString path = run.folder() + "/list.csv";

        FileDialogResponder dialogs({path, path});
        MessageBoxResponder ok(Style::kIdOk);
        window.menuItem("mnuExportCsv")->trigger();
        QVERIFY(QFile::exists(path));
        run.state.table.ClearGrid();
        window.menuItem("mnuImportCsv")->trigger();

        QCOMPARE(run.state.table, exported);
        QCOMPARE(CellText(window, 5, Col::kRxFrequency), QStringLiteral("150.02500"));
        QCOMPARE(ok.shown().size(), 1);
        QCOMPARE(ok.shown().front().prompt,
                 QStringLiteral("已导入 3 个信道，0 个频率已调整到信道间隔。"));
        QCOMPARE(dialogs.shown()[0].nameFilters, QStringList({"CSV (*.csv)"}));
        QCOMPARE(dialogs.shown()[0].acceptMode, QFileDialog::AcceptSave);
        QCOMPARE(dialogs.shown()[1].acceptMode, QFileDialog::AcceptOpen);

        QStringList items;
        for (QAction* action : window.findChild<QMenu*>("mnuFile")->actions()) {
            items.append(action->isSeparator() ? "|" : action->text());
        }
        QCOMPARE(items, QStringList({"新建(&N)", "打开(&O)", "保存(&S)", "|", "导入 CSV...",
                                     "导出 CSV...", "|", "退出(&Q)"}));
        window.menuItem("mnuEnglish")->trigger();
        QCOMPARE(window.menuItem("mnuImportCsv")->text(), QStringLiteral("Import CSV..."));
        QCOMPARE(window.menuItem("mnuExportCsv")->text(), QStringLiteral("Export CSV..."));
    }

    void aHandWrittenFileReplacesTheTable() {
        ShellRun run;
        MainWindow& window = StartWithChannels(run);
        window.menuItem("mnuEnglish")->trigger();
        const QString path = WriteCsv(run, "hand.csv",
                                      "\xEF\xBB\xBF"
                                      "Frequency,Location,Tone,rToneFreq,Power\r\n"
                                      "146.5312,3,Tone,88.5,High\r\n"
                                      "\"147.000000\",4,,,Low\r\n");
        FileDialogResponder dialog({path});
        MessageBoxResponder ok(Style::kIdOk);
        window.menuItem("mnuImportCsv")->trigger();

        QVERIFY(!run.state.table.hasChannel(1));
        QCOMPARE(CellText(window, 3, Col::kRxFrequency), QStringLiteral("146.53000"));
        QCOMPARE(CellText(window, 3, Col::kTxTone), QStringLiteral("88.5"));
        QCOMPARE(CellText(window, 4, Col::kPower), QStringLiteral("Low"));
        QCOMPARE(ok.shown().front().prompt,
                 QStringLiteral("Imported 2 channels; 2 frequencies were moved onto the channel "
                                "raster."));
        QCOMPARE(ok.shown().front().icon, QMessageBox::Information);
    }

    void unusableFilesNameTheReasonAndChangeNothing() {
        ShellRun run;
        MainWindow& window = StartWithChannels(run);
        const ChannelTable before = run.state.table;
        const QString outOfBand =
            WriteCsv(run, "band.csv", "Location,Frequency\n1,145.000000\n2,446.006250\n");
        const QString tooLarge = WriteCsv(run, "big.csv", QByteArray(2 << 20, ','));

        FileDialogResponder dialogs(
            {outOfBand, tooLarge, run.folder(), outOfBand, outOfBand + "/inside.csv"});
        MessageBoxResponder ok([](const MessageBoxRecord& box) {
            return box.buttons.contains(Style::kIdNo) ? Style::kIdNo : Style::kIdOk;
        });
        for (int i = 0; i < 3; ++i) {
            window.menuItem("mnuImportCsv")->trigger();
        }
        // Export: the existing file is kept (No), then a name inside it cannot be written.
        window.menuItem("mnuExportCsv")->trigger();
        QCOMPARE(run.state.table, before);
        QCOMPARE(ok.shown().size(), 5);
        QCOMPARE(ok.shown()[3].prompt, QStringLiteral("该文件已存在，是否覆盖？"));
        QVERIFY(ok.shown()[4].prompt.startsWith(QStringLiteral("无法写入文件")));
        QFile kept(outOfBand);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QVERIFY(kept.readAll().startsWith("Location,Frequency"));
        QCOMPARE(ok.shown()[0].prompt,
                 QStringLiteral("第 3 行：频率超出频段范围 136-174MHz (\"446.006250\")。"
                                "信道列表没有改变。"));
        QCOMPARE(ok.shown()[0].icon, QMessageBox::Warning);
        QCOMPARE(ok.shown()[1].prompt, QStringLiteral("文件太大，不是信道列表。"));
        QVERIFY(ok.shown()[2].prompt.startsWith(QStringLiteral("无法读取文件")));
    }
};

QTEST_MAIN(CsvCommandsTest)
#include "CsvCommandsTest.moc"
