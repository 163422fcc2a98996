// The keys-set, embedded-information, power-debug and about windows, and what every dialog
// shares: made once at start-up, hidden, modeless, never destroyed by closing.
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include "DialogTestSupport.h"
#include "dialogs/DialogCaptions.h"
#include "dialogs/OptionalFunctionTable.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;

namespace {

struct DialogInfo {
    const char* name;
    const char* menuItem;
    CaptionTable captions;
};

const DialogInfo kDialogs[] = {
    {"Form2", "mnudebug", DialogCaptions::PowerDebug()},
    {"Form4", "mnutestfre", DialogCaptions::DebugFrequency()},
    {"Form5", "mnudtmf", OptionalFunctionTable::Captions()},
    {"Form6", "Key_enactment", DialogCaptions::KeysSet()},
    {"Form7", "mnusetin", DialogCaptions::EmbeddedInformation()},
    {"frmAbout", "mnuabout", DialogCaptions::About()},
};

// Pixels drawn (not transparent) in a picture.
int DrawnPixels(const QPixmap& picture) {
    const QImage image = picture.toImage();
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            drawn += qAlpha(image.pixel(x, y)) > 0;
        }
    }
    return drawn;
}

// Receives the pages the program asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

}  // namespace

class SmallDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void everyDialogIsMadeOnceHiddenAndOnlyHiddenWhenClosed() {
        ShellRun run;
        MainWindow& window = run.start();
        for (const DialogInfo& info : kDialogs) {
            QDialog* dialog = DialogOf(window, info.name);
            QVERIFY2(dialog, info.name);
            QVERIFY(!dialog->isVisible());
            QCOMPARE(MissingCaptionTargets(dialog, info.captions), QStringList());
            QPointer<QDialog> alive(dialog);
            QCOMPARE(OpenFromMenu(window, info.menuItem, info.name), dialog);
            QVERIFY(dialog->isVisible());
            QVERIFY(!dialog->isModal());
            // Opening again brings the same window forward.
            QCOMPARE(OpenFromMenu(window, info.menuItem, info.name), dialog);
            CloseBox(dialog);
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(alive);
            QVERIFY(!dialog->isVisible());
            QCOMPARE(window.findChildren<QDialog*>(info.name).size(), 1);
        }
    }

    void keysSetShowsStoredFunctionsAndFallsBackToOff() {
        ShellRun run;
        run.start();
        QDialog* dialog = OpenFromMenu(run.window(), "Key_enactment", "Form6");
        auto* pf1 = Find<QComboBox>(dialog, "Combo1");
        auto* pf2 = Find<QComboBox>(dialog, "Combo2");
        QCOMPARE(dialog->windowTitle(), QStringLiteral("键设定"));
        QCOMPARE(pf1->currentText(), QStringLiteral("瞬时取消静噪"));
        QCOMPARE(pf2->currentText(), QStringLiteral("自动拨号"));
        QCOMPARE(pf1->count(), 12);

        pf2->setCurrentIndex(7);
        run.window().menuItem("mnuEnglish")->trigger();
        QCOMPARE(pf1->currentText(), QStringLiteral("Instant cancel static noise"));
        QCOMPARE(pf2->currentIndex(), 7);
        QCOMPARE(pf2->currentText(), QStringLiteral("Scan & Delete temporary"));
        QCOMPARE(Find<QLabel>(dialog, "Label1")->text(), QStringLiteral("PF1"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Keys Set"));
        PressButton(dialog, "Command2");
        QCOMPARE(run.state.settings.KeyFunction2, 0);

        run.state.settings.KeyFunction1 = 12;
        run.state.settings.KeyFunction2 = -1;
        dialog = OpenFromMenu(run.window(), "Key_enactment", "Form6");
        QCOMPARE(pf1->currentText(), QStringLiteral("OFF"));
        QCOMPARE(pf2->currentIndex(), 1);
        pf2->setCurrentIndex(11);
        PressButton(dialog, "Command1");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(run.state.settings.KeyFunction1, 1);
        QCOMPARE(run.state.settings.KeyFunction2, 11);
    }

    void keysSetPictureMarksTheKeyBeingEdited() {
        ShellRun run;
        run.start();
        QDialog* dialog = OpenFromMenu(run.window(), "Key_enactment", "Form6");
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        auto* image = Find<QLabel>(dialog, "Image1");
        const QPixmap pf1 = Find<QLabel>(dialog, "Picture1")->pixmap();
        const QPixmap pf2 = Find<QLabel>(dialog, "Picture2")->pixmap();
        QVERIFY(!Find<QLabel>(dialog, "Picture1")->isVisible());
        QVERIFY(image->isVisible());
        for (const QPixmap& picture : {pf1, pf2}) {
            QVERIFY(picture.height() >= 200);
            QVERIFY(DrawnPixels(picture) > picture.width() * picture.height() / 4);
        }
        QVERIFY(pf1.toImage() != pf2.toImage());

        Find<QComboBox>(dialog, "Combo2")->setFocus();
        QTRY_COMPARE(image->pixmap().toImage(), pf2.toImage());
        Find<QComboBox>(dialog, "Combo1")->setFocus();
        QTRY_COMPARE(image->pixmap().toImage(), pf1.toImage());
    }

    void embeddedInformationTakesTwoLinesOf32SingleByteCharacters() {
        ShellRun run;
        run.start();
        run.state.settings.EmbeddedInfo = {"Dealer: Radio Shop", "Tel 555-0100"};
        QDialog* dialog = OpenFromMenu(run.window(), "mnusetin", "Form7");
        auto* first = Find<QLineEdit>(dialog, "Text1");
        auto* second = Find<QLineEdit>(dialog, "Text2");
        QCOMPARE(first->text(), QStringLiteral("Dealer: Radio Shop"));
        QCOMPARE(second->text(), QStringLiteral("Tel 555-0100"));

        TypeInto(first, QStringLiteral("Straße 12, Zürich; ÄÖÜ äöü ± ½ x"));
        QCOMPARE(first->text().size(), 32);
        TypeKeys(first, "y");  // the 33rd character
        QCOMPARE(first->text(), QStringLiteral("Straße 12, Zürich; ÄÖÜ äöü ± ½ x"));
        first->setSelection(0, 6);
        TypeKeys(first, "Weg");
        QCOMPARE(first->text(), QStringLiteral("Weg 12, Zürich; ÄÖÜ äöü ± ½ x"));

        // Characters beyond one byte are refused; pasted text is cut to the room left.
        TypeInto(second, QStringLiteral("对讲机 OK"));
        QCOMPARE(second->text(), QStringLiteral(" OK"));
        QApplication::clipboard()->setText(QString(40, u'z'));
        second->paste();
        QCOMPARE(second->text(), QStringLiteral(" OK") + QString(29, u'z'));

        PressButton(dialog, "Command2");
        QCOMPARE(run.state.settings.EmbeddedInfo[0], std::string("Dealer: Radio Shop"));
        dialog = OpenFromMenu(run.window(), "mnusetin", "Form7");
        QCOMPARE(first->text(), QStringLiteral("Dealer: Radio Shop"));
        TypeInto(first, "");
        TypeInto(second, "");
        PressButton(dialog, "Command1");
        QCOMPARE(run.state.settings.EmbeddedInfo, (std::array<std::string, 2>{}));

        run.window().menuItem("mnuEnglish")->trigger();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Embedded Information"));
    }

    void powerDebugShowsLevelsAndMovesOnlyWithAccess() {
        ShellRun run;
        run.start();
        QDialog* dialog = OpenFromMenu(run.window(), "mnudebug", "Form2");
        auto* high = Find<QSlider>(dialog, "Slider1");
        auto* low = Find<QSlider>(dialog, "Slider3");
        QCOMPARE(Find<QLabel>(dialog, "Lblpower1")->text(), QStringLiteral("208"));
        QCOMPARE(Find<QLabel>(dialog, "Lblpower3")->text(), QStringLiteral("92"));
        QVERIFY(!high->isEnabled() && !low->isEnabled());
        PressButton(dialog, "Command1");
        QCOMPARE(run.state.settings.HighPowerLevel, 208);
        QCOMPARE(run.state.settings.LowPowerLevel, 92);

        run.state.flags.DebugAccess = 1;
        OpenFromMenu(run.window(), "mnudebug", "Form2");
        QVERIFY(high->isEnabled() && low->isEnabled());
        high->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(Find<QLabel>(dialog, "Lblpower1")->text(), QStringLiteral("255"));
        CloseBox(dialog);
        QCOMPARE(run.state.settings.HighPowerLevel, 208);
        OpenFromMenu(run.window(), "mnudebug", "Form2");
        QCOMPARE(Find<QLabel>(dialog, "Lblpower1")->text(), QStringLiteral("208"));
        high->triggerAction(QAbstractSlider::SliderToMaximum);
        low->triggerAction(QAbstractSlider::SliderPageStepSub);
        PressButton(dialog, "Command1");
        QCOMPARE(run.state.settings.HighPowerLevel, 255);
        QCOMPARE(run.state.settings.LowPowerLevel, 87);

        // A flag of any other value leaves the sliders as they are.
        run.state.flags.DebugAccess = 7;
        OpenFromMenu(run.window(), "mnudebug", "Form2");
        QVERIFY(high->isEnabled());
    }

    void aboutBoxSpeaksBothLanguagesAndOpensTheMakersPage() {
        ShellRun run;
        run.start();
        QDialog* about = OpenFromMenu(run.window(), "mnuabout", "frmAbout");
        QCOMPARE(Find<QLabel>(about, "lblTitle")->text(), QStringLiteral("KVD-270 对讲机编程软件"));
        QCOMPARE(Find<QLabel>(about, "Label2")->text(), QStringLiteral("发布：2011.08“"));
        for (const char* picture : {"picIcon", "picRadio"}) {
            QVERIFY(DrawnPixels(Find<QLabel>(about, picture)->pixmap()) > 500);
        }
        run.window().menuItem("mnuEnglish")->trigger();
        QCOMPARE(Find<QLabel>(about, "lblVersion")->text(),
                 QStringLiteral("English version V1.00"));
        QCOMPARE(Find<QPushButton>(about, "cmdOK")->text(), QStringLiteral("OK"));

        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("https", &catcher, "open");
        QTest::mouseClick(Find<QLabel>(about, "lblDescription"), Qt::LeftButton);
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(catcher.opened.size(), 1);
        QCOMPARE(catcher.opened.front().toString(),
                 QStringLiteral("https://www.example.org/kvd270"));
        PressButton(about, "cmdOK");
        QVERIFY(!about->isVisible());
    }
};

QTEST_MAIN(SmallDialogsTest)
#include "SmallDialogsTest.moc"
