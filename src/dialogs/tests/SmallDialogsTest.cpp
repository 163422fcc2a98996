// The keys-set, embedded-information, power-debug and about windows, and what every dialog
// shares: made once at start-up, hidden, modeless, never destroyed by closing.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include "DialogTestSupport.h"
#include "dialogs/DebugAccess.h"
#include "image/ChannelFile.h"
#include "image/FieldTable.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;

namespace {

// The labels, buttons and frames of a window that show no text, and the window itself
// when it has no title: the language switch wrote no caption there.
QStringList UncaptionedControls(QWidget* window) {
    QStringList missing;
    if (window->windowTitle().isEmpty()) {
        missing << window->objectName();
    }
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().isEmpty() && label->pixmap().isNull() &&
            !label->objectName().startsWith(QStringLiteral("Lblpower"))) {
            missing << label->objectName();
        }
    }
    for (auto* button : window->findChildren<QAbstractButton*>()) {
        const bool captioned =
            qobject_cast<QPushButton*>(button) || qobject_cast<QCheckBox*>(button);
        if (captioned && button->text().isEmpty()) {
            missing << button->objectName();
        }
    }
    for (QGroupBox* frame : window->findChildren<QGroupBox*>()) {
        if (frame->title().isEmpty()) {
            missing << frame->objectName();
        }
    }
    return missing;
}

}  // namespace

class SmallDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void everyDialogIsMadeOnceWhenFirstNeededAndOnlyHiddenWhenClosed() {
        ShellRun run;
        MainWindow& window = run.start();
        const std::pair<const char*, const char*> dialogs[] = {
            {"Form2", "mnudebug"},      {"Form4", "mnutestfre"}, {"Form5", "mnudtmf"},
            {"Form6", "Key_enactment"}, {"Form7", "mnusetin"},   {"frmAbout", "mnuabout"}};
        for (const auto& [name, menuItem] : dialogs) {
            // Start-up does not wait for the windows no one has asked for yet.
            QVERIFY2(!window.findChild<QDialog*>(name), name);
            QPointer<QDialog> dialog = OpenFromMenu(window, menuItem, name);
            QVERIFY2(dialog && dialog->isVisible() && !dialog->isModal(), name);
            QVERIFY2(UncaptionedControls(dialog).isEmpty(),
                     qPrintable(UncaptionedControls(dialog).join(u' ')));
            QCOMPARE(OpenFromMenu(window, menuItem, name), dialog);  // brought forward
            dialog->close();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(dialog && !dialog->isVisible());
        }
    }

    // The field table names, for every setting, the control whose caption names it to the
    // user; every such control exists, and every list offers exactly what the table lets the
    // user choose.
    void theFieldTableNamesControlsAndListsThatExist() {
        ShellRun run;
        MainWindow& window = run.start();
        OpenEveryDialog(window);
        for (const FieldTable::Field& f : FieldTable::All()) {
            const QStringList place = QString::fromLatin1(f.caption).split(u'.');
            QWidget* owner =
                place[0] == "Form1" ? &window : Find<QWidget>(&window, qPrintable(place[0]));
            QVERIFY2(owner, f.caption);
            QVERIFY2(place.size() == 1 || Find<QObject>(owner, qPrintable(place[1])), f.caption);
        }
        const int keyFunctions =
            Find<QComboBox>(Find<QDialog>(&window, "Form6"), "Combo1")->count();
        QCOMPARE(keyFunctions, FieldTable::Of(&Settings::pf1Function).userRange().highest + 1);
        QCOMPARE(keyFunctions, FieldTable::Of(&Settings::pf2Function).userRange().highest + 1);
    }

    void keysSetShowsTheFunctionsAndMarksTheKeyBeingEdited() {
        ShellRun run;
        run.start();
        run.state.settings.pf2Function = -1;  // no item: shows "OFF"
        QDialog* dialog = OpenFromMenu(run.window(), "Key_enactment", "Form6");
        auto* pf1 = Find<QComboBox>(dialog, "Combo1");
        auto* pf2 = Find<QComboBox>(dialog, "Combo2");
        QCOMPARE(pf1->currentText(), QStringLiteral("瞬时取消静噪"));
        QCOMPARE(pf2->currentText(), QStringLiteral("OFF"));
        pf2->setCurrentIndex(7);
        MenuItem(run.window(), "mnuEnglish")->trigger();
        QCOMPARE(pf2->currentText(), QStringLiteral("Scan & Delete temporary"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Keys Set"));
        PressButton(dialog, "Command1");
        QCOMPARE(run.state.settings.pf1Function, 10);
        QCOMPARE(run.state.settings.pf2Function, 7);

        OpenFromMenu(run.window(), "Key_enactment", "Form6");
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        auto* image = Find<QLabel>(dialog, "Image1");
        const QImage marked[] = {Find<QLabel>(dialog, "Picture1")->pixmap().toImage(),
                                 Find<QLabel>(dialog, "Picture2")->pixmap().toImage()};
        QVERIFY(!Find<QLabel>(dialog, "Picture1")->isVisible() && image->isVisible());
        QVERIFY(marked[0] != marked[1]);
        for (const QImage& picture : marked) {
            QVERIFY(picture.height() >= 200 && Opacity(picture) > 64);
        }
        pf2->setFocus();
        QTRY_COMPARE(image->pixmap().toImage(), marked[1]);
        pf1->setFocus();
        QTRY_COMPARE(image->pixmap().toImage(), marked[0]);
    }

    void embeddedInformationTakesTwoLinesOf32SingleByteCharacters() {
        ShellRun run;
        run.start();
        run.state.settings.embeddedInfo = {"Dealer: Radio Shop", "Tel 555-0100"};
        QDialog* dialog = OpenFromMenu(run.window(), "mnusetin", "Form7");
        auto* first = Find<QLineEdit>(dialog, "Text1");
        auto* second = Find<QLineEdit>(dialog, "Text2");
        QCOMPARE(first->text(), QStringLiteral("Dealer: Radio Shop"));
        QCOMPARE(second->text(), QStringLiteral("Tel 555-0100"));

        const QString full = QStringLiteral("Straße 12, Zürich; ÄÖÜ äöü ± ½ x");
        TypeInto(first, full + "y");  // the 33rd character is refused
        QCOMPARE(first->text(), full);
        first->setSelection(0, 6);
        TypeKeys(first, "Weg");  // a selection is replaced in a full box
        QCOMPARE(first->text(), QStringLiteral("Weg 12, Zürich; ÄÖÜ äöü ± ½ x"));
        TypeInto(second, QStringLiteral("对讲机 OK"));
        QCOMPARE(second->text(), QStringLiteral(" OK"));

        PressButton(dialog, "Command1");
        QCOMPARE(QString::fromStdString(run.state.settings.embeddedInfo[0]), first->text());
        QCOMPARE(run.state.settings.embeddedInfo[1], std::string(" OK"));
    }

    void powerDebugShowsLevelsAndMovesOnlyWithAccess() {
        ShellRun run;
        run.start();
        QDialog* dialog = OpenFromMenu(run.window(), "mnudebug", "Form2");
        auto* high = Find<QSlider>(dialog, "Slider1");
        auto* low = Find<QSlider>(dialog, "Slider3");
        auto levels = [&] {
            return Find<QLabel>(dialog, "Lblpower1")->text() + " " +
                   Find<QLabel>(dialog, "Lblpower3")->text();
        };
        QCOMPARE(levels(), QStringLiteral("208 92"));

        run.state.flags.DebugAccess = 1;
        OpenFromMenu(run.window(), "mnudebug", "Form2");
        QVERIFY(high->isEnabled() && low->isEnabled());
        high->triggerAction(QAbstractSlider::SliderToMaximum);
        low->triggerAction(QAbstractSlider::SliderPageStepSub);
        QCOMPARE(levels(), QStringLiteral("255 87"));
        PressButton(dialog, "Command1");
        QCOMPARE(run.state.settings.highPowerLevel, 255);
        QCOMPARE(run.state.settings.lowPowerLevel, 87);

        // A flag of any other value leaves the sliders as they are.
        run.state.flags.DebugAccess = 7;
        OpenFromMenu(run.window(), "mnudebug", "Form2");
        QVERIFY(high->isEnabled());
    }

    // Settings replaced under open dialogs (here by a file; a read goes the same way) show in
    // them at once, so OK cannot put the old values back; the power sliders follow the
    // debug-access flag the decoding cleared.
    void openDialogsShowSettingsThatReplacedTheirs() {
        ShellRun run;
        MainWindow& window = run.start();
        RadioState file;
        ApplyStartupDefaults(file);
        file.settings.pf1Function = 8;
        file.settings.pf2Function = 7;
        file.settings.highPowerLevel = 200;
        file.settings.debugFrequencies[0] = {Frequency::FromTens(14500000),
                                             Frequency::FromTens(14600000)};
        file.settings.autoDialMemories[1] = "2468";
        file.settings.embeddedInfo[0] = "from the file";
        const QString path = run.folder() + "/radio.DAT";
        QVERIFY(ChannelFile::Save(path.toStdString(), file));

        window.findChild<DebugAccess*>()->Grant();
        const char* const opened[][2] = {{"Key_enactment", "Form6"},
                                         {"mnudebug", "Form2"},
                                         {"mnutestfre", "Form4"},
                                         {"mnudtmf", "Form5"},
                                         {"mnusetin", "Form7"}};
        for (auto [item, name] : opened) {
            OpenFromMenu(window, item, name);
        }
        QDialog* keys = Find<QDialog>(&window, "Form6");
        auto* high = Find<QSlider>(&window, "Slider1");
        QVERIFY(high->isEnabled());
        {
            FileDialogResponder chosen(QStringList{path});
            MenuItem(window, "mnuOpen")->trigger();
        }
        QTRY_COMPARE(Find<QComboBox>(keys, "Combo1")->currentIndex(), 8);
        QCOMPARE(Find<QComboBox>(keys, "Combo2")->currentIndex(), 7);
        QCOMPARE(high->value(), 200);
        QVERIFY(!high->isEnabled());
        QCOMPARE(Find<QDialog>(&window, "Form4")->findChild<DialogGrid*>()->text(1, 2),
                 QStringLiteral("146.00000"));
        QCOMPARE(Find<QDialog>(&window, "Form5")->findChild<DialogGrid*>()->text(2, 1),
                 QStringLiteral("2468"));
        QCOMPARE(Find<QLineEdit>(Find<QDialog>(&window, "Form7"), "Text1")->text(),
                 QStringLiteral("from the file"));
        PressButton(keys, "Command1");
        QCOMPARE(run.state.settings.pf1Function, 8);
        QCOMPARE(run.state.settings.pf2Function, 7);
        QVERIFY(run.unansweredBoxes().isEmpty());
    }

    void aboutBoxSpeaksBothLanguagesAndOpensTheMakersPage() {
        ShellRun run;
        run.start();
        QDialog* about = OpenFromMenu(run.window(), "mnuabout", "frmAbout");
        for (const char* picture : {"picIcon", "picRadio"}) {
            QVERIFY(Opacity(Find<QLabel>(about, picture)->pixmap().toImage()) > 32);
        }
        MenuItem(run.window(), "mnuEnglish")->trigger();
        QCOMPARE(Find<QLabel>(about, "lblVersion")->text(),
                 QStringLiteral("English version V1.00"));

        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("https", &catcher, "open");
        QTest::mouseClick(Find<QLabel>(about, "lblDescription"), Qt::LeftButton);
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(catcher.opened, QList<QUrl>({QUrl("https://www.example.org/kvd270")}));
        PressButton(about, "cmdOK");
        QVERIFY(!about->isVisible());
    }
};

QTEST_MAIN(SmallDialogsTest)
#include "SmallDialogsTest.moc"
