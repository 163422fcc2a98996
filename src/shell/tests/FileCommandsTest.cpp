// New, Open and Save of channel files, the CSV import and export, Print and Export PDF,
// through the real dialogs' code path: the round trips, overwriting, refusals and failures, Cancel.
#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>

#include "ShellTestSupport.h"
#include "channels/ChannelCells.h"
#include "image/ChannelFile.h"
#include "printout/tests/PdfTools.h"
#include "shell/FunctionPanel.h"
#include "shell/PrintCommands.h"
#include "widgets/InterfaceLanguage.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;
namespace Col = ChannelCells;

namespace {

// Channels of every kind and panel choices away from their start-up values.
void FillVariedState(RadioState& state) {
    state.band.TakeBand(kBand136);
    FillChannel(state, 1, "145.00000", 9, 1);
    FillChannel(state, 2, "150.02500", 60, 1);
    Settings& panel = state.settings;
    panel.voicePrompt = 2;
    panel.transmitTimeout = 7;
    panel.timeoutWarning = 3;
    panel.squelchLevel = 5;
    panel.batterySave = panel.beep = 0;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString WriteFile(ShellRun& run, const char* name, const QByteArray& bytes) {
    QFile file(run.folder() + "/" + name);
    [&] { QVERIFY(file.open(QIODevice::WriteOnly)); }();
    file.write(bytes);
    return file.fileName();
}

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void saveThenOpenReproducesTheChannelsAndShowsTheFile() {
        ShellRun run;
        MainWindow& window = run.startActive();
        FillVariedState(run.state);
        run.state.channels[2]->tx = ParseFrequencyText("151.00000");
        const QString path = run.folder() + "/radio.DAT";
        ClickCell(window, 3, Col::kRxFrequency);
        Type("146.5");  // still in its editor when Save is chosen
        FileDialogResponder dialogs(QStringList(4, path));
        ToolButton(window, "save")->trigger();
        QCOMPARE(FrequencyText(run.state.channels[3]->rx), std::string("146.50000"));
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("radio.DAT[*] - KVD-270对讲机编程软件 V1.00"));

        const RadioState saved = run.state;
        ApplyStartupDefaults(run.state);
        run.state.channels.clear();
        {
            MessageBoxResponder discard(Style::kIdDiscard);
            ToolButton(window, "open")->trigger();
        }
        QCOMPARE(run.state.channels, saved.channels);
        QCOMPARE(window.bandList()->currentText(), QStringLiteral("136-174MHz"));
        QCOMPARE(window.functionPanel()->list(PanelList(1))->currentIndex(), 7);
        const QList<FileDialogRecord>& shown = dialogs.shown();
        QCOMPARE(shown[0].nameFilters, QStringList({"KVD-270 (*.DAT)"}));
        QCOMPARE(shown[0].acceptMode, QFileDialog::AcceptSave);
        QVERIFY(!shown[0].confirmsOverwrite);  // the program asks, in its language
        QCOMPARE(shown[1].acceptMode, QFileDialog::AcceptOpen);
        QCOMPARE(shown[1].fileMode, QFileDialog::ExistingFile);
        QCOMPARE(shown[1].directory, run.folder());  // where the last file was chosen

        // Saved again over the file: No asks for a file again, Yes replaces it.
        run.state.channels.clear();
        QList<int> answers = {Style::kIdNo, Style::kIdYes};
        MessageBoxResponder noThenYes([&](const MessageBoxRecord&) { return answers.takeFirst(); });
        MenuItem(window, "mnuAssave")->trigger();
        QCOMPARE(dialogs.shown().size(), 4);
        QCOMPARE(noThenYes.shown()[0].prompt, QStringLiteral("该文件已存在，是否覆盖？"));
        QCOMPARE(noThenYes.shown()[0].buttons, QList<int>({Style::kIdYes, Style::kIdNo}));
        QCOMPARE(FileBytes(path), QByteArray::fromStdString(ChannelFile::Render(run.state)));
    }

    void refusalsFailuresAndCancelChangeNothing() {
        ShellRun run;
        MainWindow& window = run.start();
        FillVariedState(run.state);
        window.configurationStored(ConfigurationDocument::Origin::Untitled);
        const RadioState before = run.state;
        const QString title = window.windowTitle();
        const QString otherType = WriteFile(run, "other.DAT", "KVD28" + QByteArray(848, '\0'));
        // No one can write a file inside a plain file, not even root.
        const QString unwritable = otherType + "/x.DAT";
        QStringList paths = {"", "", otherType, run.folder() + "/gone.DAT", unwritable};
        run.state.band.ListOpened();
        bool suppressed = true;  // the band question is off from before an open dialog
        FileDialogResponder dialogs([&](const FileDialogRecord& dialog) {
            suppressed &=
                dialog.acceptMode == QFileDialog::AcceptSave || run.state.band.SuppressBandPrompt;
            return paths.takeFirst();
        });
        MessageBoxResponder answers([](const MessageBoxRecord& box) {
            return box.buttons.contains(Style::kIdCancel) ? Style::kIdCancel : Style::kIdOk;
        });
        for (const char* item :
             {"mnuNew", "mnuOpen", "mnuAssave", "mnuOpen", "mnuOpen", "mnuAssave"}) {
            MenuItem(window, item)->trigger();
        }
        QVERIFY(suppressed);
        QCOMPARE(window.windowTitle(), title);
        QCOMPARE(run.state.channels, before.channels);
        const QList<MessageBoxRecord>& shown = answers.shown();
        QCOMPARE(shown.size(), 4);
        QCOMPARE(shown[0].prompt, QStringLiteral("所有信道的数据将被清除！"));
        QCOMPARE(shown[0].title, QStringLiteral("警告"));
        QCOMPARE(shown[0].icon, QMessageBox::Warning);
        QCOMPARE(shown[0].defaultButton, Style::kIdCancel);
        QCOMPARE(shown[1].prompt, QStringLiteral("文件类型不对，无法打开。"));
        QCOMPARE(shown[1].title, QStringLiteral("KVD-270"));
        QVERIFY(shown[2].prompt.startsWith(QStringLiteral("无法读取文件")));
        QVERIFY(shown[3].prompt.startsWith(QStringLiteral("无法写入文件")));
        QVERIFY(shown[3].prompt.contains(QDir::toNativeSeparators(unwritable)));
        QCOMPARE(shown[3].icon, QMessageBox::Critical);

        MessageBoxResponder ok(Style::kIdOk);
        MenuItem(window, "mnuNew")->trigger();  // empties the channels only
        QVERIFY(!run.state.channels.has(1) && !run.state.channels.has(2));
        QCOMPARE(CellText(window, 2, 0), QStringLiteral("02"));
        QCOMPARE(run.state.settings, before.settings);
        QCOMPARE(run.state.band.position(), kBand136);
    }

    // A pipe is not waited for and a write-protected file not replaced; the reason is told in
    // the interface language.
    void pipesAndWriteProtectedFilesAreRefusedWithTheReason() {
        ShellRun run;
        MainWindow& window = run.start();
        const QString pipe = run.folder() + "/pipe.DAT";
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        const QString locked = WriteFile(run, "locked.DAT", "mine");
        QFile::setPermissions(locked, QFileDevice::ReadOwner);
        FileDialogResponder dialogs({pipe, locked, pipe + ".csv"});
        QVERIFY(::mkfifo(QFile::encodeName(pipe + ".csv").constData(), 0600) == 0);
        MessageBoxResponder answers([](const MessageBoxRecord& box) {
            return box.buttons.contains(Style::kIdYes) ? Style::kIdYes : Style::kIdOk;
        });
        for (const char* item : {"mnuOpen", "mnuAssave", "mnuImportCsv"}) {
            MenuItem(window, item)->trigger();
        }
        const QList<MessageBoxRecord>& shown = answers.shown();
        QCOMPARE(shown.size(), 4);  // the overwrite question, then Yes
        QVERIFY(shown[0].prompt.endsWith(QStringLiteral("不是普通文件（而是设备、管道等）")));
        QVERIFY(shown[2].prompt.startsWith(QStringLiteral("无法写入文件")));
        QVERIFY(shown[2].prompt.endsWith(QStringLiteral("文件是只读的（写保护）")));
        QVERIFY(shown[3].prompt.endsWith(QStringLiteral("不是普通文件（而是设备、管道等）")));
        QCOMPARE(FileBytes(locked), QByteArray("mine"));
        QVERIFY(!QFileInfo(pipe).isFile());
    }

    void csvRoundTripAndUnusableFiles() {
        ShellRun run;
        MainWindow& window = run.start();
        FillVariedState(run.state);
        const Channels exported = run.state.channels;
        const QString path = run.folder() + "/list.csv";
        const QString outOfBand = WriteFile(run, "band.csv", "Location,Frequency\n1,446.006250\n");
        const QString tooLarge = WriteFile(run, "big.csv", QByteArray(2 << 20, ','));
        FileDialogResponder dialogs(
            {path, path, outOfBand, tooLarge, run.folder(), outOfBand, outOfBand + "/inside.csv"});
        MessageBoxResponder answers([](const MessageBoxRecord& box) {
            return box.buttons.contains(Style::kIdNo)        ? Style::kIdNo
                   : box.buttons.contains(Style::kIdDiscard) ? Style::kIdDiscard
                                                             : Style::kIdOk;
        });
        MenuItem(window, "mnuExportCsv")->trigger();
        run.state.channels.clear();
        for (int i = 0; i < 4; ++i) {
            MenuItem(window, "mnuImportCsv")->trigger();
        }
        // Exported again: the existing file is kept (No), then a name inside it cannot be written.
        MenuItem(window, "mnuExportCsv")->trigger();
        QCOMPARE(run.state.channels, exported);
        QList<MessageBoxRecord> shown;  // but the questions before each import
        for (const MessageBoxRecord& box : answers.shown()) {
            if (!box.buttons.contains(Style::kIdDiscard)) {
                shown << box;
            }
        }
        QCOMPARE(shown.size(), 6);
        QCOMPARE(shown[0].prompt, QStringLiteral("已导入 2 个信道，0 个频率已调整到信道间隔。"));
        QCOMPARE(shown[0].icon, QMessageBox::Information);
        QCOMPARE(shown[1].prompt,
                 QStringLiteral("文件中没有可用的行。信道列表没有改变。\n\n1 行没有导入：\n"
                                "第 2 行，信道号 1：频率超出频段范围 136-174MHz (\"446.006250\")"));
        QCOMPARE(shown[1].icon, QMessageBox::Warning);
        QCOMPARE(shown[2].prompt, QStringLiteral("文件太大，不是信道列表。"));
        QVERIFY(shown[3].prompt.startsWith(QStringLiteral("无法读取文件")));
        QCOMPARE(shown[4].prompt, QStringLiteral("该文件已存在，是否覆盖？"));
        QVERIFY(shown[5].prompt.startsWith(QStringLiteral("无法写入文件")));
        QVERIFY(FileBytes(outOfBand).startsWith("Location,Frequency"));
        QCOMPARE(dialogs.shown()[0].nameFilters, QStringList({"CSV (*.csv)"}));
    }

    // Until rows can be ticked, the window takes the first sixteen usable rows and names the
    // rest, as the command line does without a list.
    void csvImportTakesTheFirstSixteenUsableRows() {
        ShellRun run;
        MainWindow& window = run.start();
        run.state.band.TakeBand(kBand136);
        window.configurationStored(ConfigurationDocument::Origin::Untitled);
        MenuItem(window, "mnuEnglish")->trigger();
        QByteArray list = "Location,Name,Frequency,Power\r\n0,Zero,145.000000,50W\r\n";
        list += "1,Out,446.000000,50W\r\n";
        for (int location = 2; location < 30; ++location) {
            list += QByteArray::number(location) + ",," + QByteArray::number(140 + location) +
                    ".500000,0.5\r\n";
        }
        FileDialogResponder dialogs({WriteFile(run, "long.csv", list)});
        MessageBoxResponder answers([](const MessageBoxRecord&) { return Style::kIdOk; });
        MenuItem(window, "mnuImportCsv")->trigger();
        QCOMPARE(FrequencyText(run.state.channels[1]->rx), std::string("145.00000"));
        QCOMPARE(run.state.channels[1]->power, Power::High);
        QCOMPARE(FrequencyText(run.state.channels[16]->rx), std::string("156.50000"));
        QCOMPARE(run.state.channels[16]->power, Power::Low);
        QCOMPARE(CellText(window, 16, Col::kRxFrequency), QStringLiteral("156.50000"));
        const QStringList lines = answers.shown().at(0).prompt.split('\n');
        QCOMPARE(lines.size(), 3 + 12 + 1);  // success, blank, heading, rows, "…"
        QCOMPARE(lines.last(), QStringLiteral("…"));
        QCOMPARE(lines[0],
                 QStringLiteral("Imported 16 channels; 0 frequencies were moved onto the channel "
                                "raster."));
        QCOMPARE(lines[2], QStringLiteral("14 rows were left out:"));
        QCOMPARE(lines[3], QStringLiteral("Line 3, Location 1 \"Out\": the frequency is outside "
                                          "the band 136-174MHz (\"446.000000\")"));
        QCOMPARE(lines[4],
                 QStringLiteral("Line 19, Location 17: not among the first sixteen usable rows"));
    }
    void exportPdfAndPrintInTheInterfaceLanguage() {
        if (!kvd::test::PopplerSays("pdftotext", {"-v"})) {
            QSKIP("pdftotext (poppler-utils) is not installed");
        }
        ShellRun run;
        MainWindow& window = run.start();
        FillVariedState(run.state);
        const QString dat = run.folder() + "/radio.DAT";
        const QString pdf = run.folder() + "/radio.pdf";
        const QString printed = run.folder() + "/printed.pdf";
        FileDialogResponder dialogs({dat, pdf});
        MenuItem(window, "mnuAssave")->trigger();
        MenuItem(window, "mnuExportPdf")->trigger();
        QCOMPARE(dialogs.shown()[1].nameFilters, QStringList({"PDF (*.pdf)"}));
        const std::string text = kvd::test::PopplerSays("pdftotext", {pdf, "-"}).value_or("");
        const QString source = QStringLiteral("来源：") + QDir::toNativeSeparators(dat);
        QVERIFY2(text.find(source.toStdString()) != std::string::npos, text.c_str());
        QVERIFY(text.find("145.00000") != std::string::npos);
        QVERIFY(text.find("150.02500") != std::string::npos);

        // Page 2 of the English printout only, on the printer the dialog set up.
        UseLanguage(kEnglish);
        PrintDialogResponder printing([&](QPrinter* printer) {
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(printed);
            printer->setPrintRange(QPrinter::PageRange);
            printer->setFromTo(2, 2);
            return true;
        });
        MenuItem(window, "mnuPrint")->trigger();
        QCOMPARE(printing.shown().size(), 1);
        const std::string page = kvd::test::PopplerSays("pdftotext", {printed, "-"}).value_or("");
        QVERIFY2(page.find("Page 2 of ") != std::string::npos, page.c_str());
        QVERIFY2(page.find("测试频率 16 TX Frequency") != std::string::npos, page.c_str());
        QVERIFY2(page.find("145.00000") == std::string::npos, "the table is on page 1");
        QVERIFY(run.unansweredBoxes().isEmpty());
    }
};

QTEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"
