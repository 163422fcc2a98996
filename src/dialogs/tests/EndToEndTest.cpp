// Settings changed in every dialog travel through a channel file into a fresh run of the
// program, and its dialogs show them again.
#include <QCheckBox>
#include <QLabel>
#include <QSlider>
#include <QTemporaryDir>

#include "DialogTestSupport.h"
#include "dialogs/DebugAccess.h"
#include "image/ChannelFile.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;

namespace {

void Choose(QDialog* dialog, const char* list, int index) {
    Find<QComboBox>(dialog, list)->setCurrentIndex(index);
}

void EditOptionalFunctions(MainWindow& window) {
    QDialog* dialog = OpenFromMenu(window, "mnudtmf", "Form5");
    const std::pair<const char*, int> choices[] = {
        {"Combo4", 1},   {"Combo6", 0},  {"Combo7", 9},  {"Combo8", 4},   {"Combo9", 0},
        {"Combo10", 0},  {"Combo11", 1}, {"Combo12", 2}, {"Combo13", 20}, {"Combo14", 91},
        {"Combo15", 2},  {"Combo0", 2},  {"Combo16", 3}, {"Combo18", 7},  {"Combo17", 1},
        {"Combo19", 12}, {"Combo20", 0}, {"Combo22", 4}, {"Combo21", 9}};
    for (auto [list, index] : choices) {
        Choose(dialog, list, index);
    }
    TypeInto(Find<QLineEdit>(dialog, "Text1"), "0123456789");
    TypeInto(Find<QLineEdit>(dialog, "Text3"), "*123#");
    TypeInto(Find<QLineEdit>(dialog, "Text4"), "ABCD0000ABCD9999");
    TypeInto(Find<QLineEdit>(dialog, "Text5"), "17");
    TypeInto(Find<QLineEdit>(dialog, "Text6"), "250");
    Find<QCheckBox>(dialog, "Check3")->setChecked(false);
    Find<QCheckBox>(dialog, "Check4")->setChecked(false);
    auto* memories = Find<QTableWidget>(dialog, "mfgrid1");
    QVERIFY(EditCell(memories, 1, 1, "0800#"));
    QVERIFY(EditCell(memories, 8, 1, "*D0"));
    PressButton(dialog, "Command1");
}

void EditKeysAndLines(MainWindow& window) {
    QDialog* keys = OpenFromMenu(window, "Key_enactment", "Form6");
    Choose(keys, "Combo1", 4);
    Choose(keys, "Combo2", 9);
    PressButton(keys, "Command1");
    QDialog* lines = OpenFromMenu(window, "mnusetin", "Form7");
    TypeInto(Find<QLineEdit>(lines, "Text1"), QStringLiteral("Café Funk GmbH"));
    TypeInto(Find<QLineEdit>(lines, "Text2"), QStringLiteral("Service +49 30 1234567"));
    PressButton(lines, "Command1");
}

void EditDebugFrequencies(MainWindow& window) {
    QDialog* dialog = OpenFromMenu(window, "mnutestfre", "Form4");
    auto* grid = Find<QTableWidget>(dialog, "mfgrid1");
    QVERIFY(EditCell(grid, 1, 1, "400.125"));
    QVERIFY(EditCell(grid, 1, 2, "410.13"));
    QVERIFY(EditCell(grid, 16, 1, "173.99375"));
    PressButton(dialog, "Command1");
}

void EditPowerLevels(MainWindow& window) {
    ManualClock clock;
    window.findChild<DebugAccess*>("DebugAccess")->setClock(clock.function());
    QDialog* optional = OpenFromMenu(window, "mnudtmf", "Form5");
    for (const char* caption : {"lblCombo13", "lblCombo14", "lblCombo15"}) {
        QTest::mouseClick(Find<QLabel>(optional, caption), Qt::LeftButton);
        clock.now += 1;
    }
    PressButton(optional, "Command2");
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
            EditOptionalFunctions(window);
            EditKeysAndLines(window);
            EditDebugFrequencies(window);
            EditPowerLevels(window);
            edited = first.state.settings;
            QVERIFY(edited != ProgramSettings::StartupDefaults());
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
        QDialog* optional = DialogOf(window, "Form5");
        QCOMPARE(Find<QComboBox>(optional, "Combo12")->currentText(), QStringLiteral("03"));
        QCOMPARE(Find<QComboBox>(optional, "Combo18")->currentText(), QStringLiteral("450MS"));
        QCOMPARE(Find<QLineEdit>(optional, "Text4")->text(), QStringLiteral("ABCD0000ABCD9999"));
        QCOMPARE(Find<QComboBox>(DialogOf(window, "Form6"), "Combo2")->currentText(),
                 QStringLiteral("取消静噪"));
        QCOMPARE(Find<QLineEdit>(DialogOf(window, "Form7"), "Text1")->text(),
                 QStringLiteral("Café Funk GmbH"));
        QCOMPARE(Find<QLabel>(DialogOf(window, "Form2"), "Lblpower3")->text(),
                 QStringLiteral("17"));
    }
};

QTEST_MAIN(EndToEndTest)
#include "EndToEndTest.moc"
