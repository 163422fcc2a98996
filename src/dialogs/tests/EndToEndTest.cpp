// Settings changed in every dialog travel through a channel file into a fresh run of the
// program, and its dialogs show them again.
#include <QCheckBox>
#include <QSlider>
#include <QTemporaryDir>

#include "DialogTestSupport.h"
#include "image/ChannelFile.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;

namespace {

void EditEveryDialog(MainWindow& window) {
    QDialog* optional = OpenFromMenu(window, "mnudtmf", "Form5");
    ChoosePositions(optional, "1 0 9 4 0 0 1 2 20 91 2 2 3 7 1 12 0 4 9");
    const std::pair<const char*, const char*> texts[] = {{"Text1", "0123456789"},
                                                         {"Text3", "*123#"},
                                                         {"Text4", "ABCD0000ABCD9999"},
                                                         {"Text5", "17"},
                                                         {"Text6", "250"}};
    for (auto [name, text] : texts) {
        TypeInto(Find<QLineEdit>(optional, name), text);
    }
    Find<QCheckBox>(optional, "Check3")->setChecked(false);
    Find<QCheckBox>(optional, "Check4")->setChecked(false);
    QVERIFY(EditCell(Find<DialogGrid>(optional, "mfgrid1"), 1, 1, "0800#"));
    QVERIFY(EditCell(Find<DialogGrid>(optional, "mfgrid1"), 8, 1, "*D0"));
    PressButton(optional, "Command1");

    QDialog* keys = OpenFromMenu(window, "Key_enactment", "Form6");
    Find<QComboBox>(keys, "Combo1")->setCurrentIndex(4);
    Find<QComboBox>(keys, "Combo2")->setCurrentIndex(9);
    PressButton(keys, "Command1");
    QDialog* lines = OpenFromMenu(window, "mnusetin", "Form7");
    TypeInto(Find<QLineEdit>(lines, "Text1"), QStringLiteral("Café Funk GmbH"));
    TypeInto(Find<QLineEdit>(lines, "Text2"), QStringLiteral("Service +49 30 1234567"));
    PressButton(lines, "Command1");
    QDialog* debug = OpenFromMenu(window, "mnutestfre", "Form4");
    auto* grid = Find<DialogGrid>(debug, "mfgrid1");
    QVERIFY(EditCell(grid, 1, 1, "400.125"));
    QVERIFY(EditCell(grid, 1, 2, "410.13"));
    QVERIFY(EditCell(grid, 16, 1, "173.99375"));
    PressButton(debug, "Command1");
    window.state().flags.DebugAccess = 1;  // for the power levels
    QDialog* power = OpenFromMenu(window, "mnudebug", "Form2");
    Find<QSlider>(power, "Slider1")->setValue(231);
    Find<QSlider>(power, "Slider3")->setValue(17);
    PressButton(power, "Command1");
}

}  // namespace

class EndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void settingsFromEveryDialogSurviveAChannelFile() {
        QTemporaryDir folder;
        const std::string path = (folder.path() + "/SETTINGS.DAT").toStdString();
        ProgramSettings edited;
        {
            ShellRun first;
            MainWindow& window = first.start();
            FillChannel(first.state, 3, "435.02500", 0, 1);
            EditEveryDialog(window);
            edited = first.state.settings;
            QCOMPARE(edited.FunctionOptions[12], std::string("3"));
            QCOMPARE(edited.BasicOptions[2], 450);
            QCOMPARE(edited.HighPowerLevel, 231);
            QCOMPARE(edited.DebugFrequencies[0][1], std::string("410.12500"));
            QVERIFY(ChannelFile::Save(path, first.state));
        }

        ShellRun second;
        MainWindow& window = second.start();
        QVERIFY(ChannelFile::Open(path, second.state));
        window.RefreshFromState();
        QCOMPARE(second.state.settings, edited);

        // Every dialog shows what was read, and OK without a change keeps it.
        const std::pair<const char*, const char*> dialogs[] = {{"mnudtmf", "Form5"},
                                                               {"Key_enactment", "Form6"},
                                                               {"mnusetin", "Form7"},
                                                               {"mnutestfre", "Form4"},
                                                               {"mnudebug", "Form2"}};
        for (auto [menuItem, name] : dialogs) {
            PressButton(OpenFromMenu(window, menuItem, name), "Command1");
        }
        QCOMPARE(second.state.settings, edited);
        QCOMPARE(Find<QComboBox>(Find<QDialog>(&window, "Form5"), "Combo18")->currentText(),
                 QStringLiteral("450MS"));
        QCOMPARE(Find<QLineEdit>(Find<QDialog>(&window, "Form7"), "Text1")->text(),
                 QStringLiteral("Café Funk GmbH"));
    }
};

QTEST_MAIN(EndToEndTest)
#include "EndToEndTest.moc"
