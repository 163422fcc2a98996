// Debug access: the hidden gesture on three scan-group captions, the hidden "TAnMa" button,
// the grant and the withdrawal, and the silent reset by a decode. Time comes from a clock
// the test moves.
#include <QLabel>
#include <QSlider>

#include "DialogTestSupport.h"
#include "dialogs/DebugAccess.h"
#include "image/ChannelFile.h"
#include "image/ImageCodec.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;

namespace {

const char* const kCaptions[] = {"lblCombo13", "lblCombo14", "lblCombo15"};

// One run with the gesture's dialog open and a hand-moved clock.
struct AccessRun {
    ShellRun run;
    ManualClock clock;
    QDialog* optional = nullptr;

    AccessRun() {
        run.start();
        run.window().findChild<DebugAccess*>("DebugAccess")->setClock(clock.function());
        optional = OpenFromMenu(run.window(), "mnudtmf", "Form5");
    }

    // Clicks caption k (0..2) at a time after the start.
    void click(int caption, double at) {
        clock.now = start + at;
        QTest::mouseClick(Find<QLabel>(optional, kCaptions[caption]), Qt::LeftButton);
    }
    void clickHiddenButton(double at) {
        clock.now = start + at;
        run.window().toolButton("TAnMa")->trigger();
    }

    bool buttonVisible() { return run.window().toolButton("TAnMa")->isVisible(); }
    bool slidersEnabled() {
        QDialog* power = DialogOf(run.window(), "Form2");
        return Find<QSlider>(power, "Slider1")->isEnabled() &&
               Find<QSlider>(power, "Slider3")->isEnabled();
    }
    bool slidersDisabled() {
        QDialog* power = DialogOf(run.window(), "Form2");
        return !Find<QSlider>(power, "Slider1")->isEnabled() &&
               !Find<QSlider>(power, "Slider3")->isEnabled();
    }
    bool granted() {
        return run.state.flags.DebugAccess == 1 && buttonVisible() && slidersEnabled();
    }
    bool withdrawn() {
        return run.state.flags.DebugAccess == 0 && !buttonVisible() && slidersDisabled();
    }

    const double start = 40000.3;
};

}  // namespace

class DebugAccessTest : public QObject {
    Q_OBJECT
private slots:
    void threeCaptionsWithinFiveSecondsGrant() {
        AccessRun access;
        QVERIFY(access.withdrawn());
        access.click(0, 0);
        access.click(2, 2);
        QVERIFY(access.withdrawn());
        access.click(1, 4.6);
        QVERIFY(access.granted());
    }

    void aLateThirdCaptionStartsANewAttempt() {
        AccessRun access;
        access.click(0, 0);
        access.click(1, 3);
        access.click(2, 6);
        QVERIFY(access.withdrawn());
        // The attempt that the late click started needs the other two captions.
        access.click(2, 7);
        access.click(1, 8);
        QVERIFY(access.withdrawn());
        access.click(0, 9);
        QVERIFY(access.granted());
    }

    void oneCaptionClickedThreeTimesGrantsNothing() {
        AccessRun access;
        for (double at : {0.0, 1.0, 2.0}) {
            access.click(1, at);
        }
        QVERIFY(access.withdrawn());
        // Other captions of the dialog are no part of the gesture.
        for (const char* name : {"lblCombo11", "lblCombo12", "lblText5"}) {
            QTest::mouseClick(Find<QLabel>(access.optional, name), Qt::LeftButton);
        }
        QVERIFY(access.withdrawn());
    }

    void hiddenButtonWithdrawsOnlyOnAQuickSecondClick() {
        AccessRun access;
        // Grant and withdrawal reach an open power window at once.
        QDialog* power = OpenFromMenu(access.run.window(), "mnudebug", "Form2");
        for (int caption = 0; caption < 3; ++caption) {
            access.click(caption, 0.5 * caption);
        }
        QVERIFY(power->isVisible());
        access.clickHiddenButton(20.0);
        access.clickHiddenButton(22.0);
        QVERIFY(access.granted());
        access.clickHiddenButton(24.0);
        QVERIFY(access.granted());
        access.clickHiddenButton(24.5);
        QVERIFY(access.withdrawn());
        // The withdrawal forgets the gesture: two captions no longer grant.
        access.click(0, 40);
        access.click(1, 41);
        QVERIFY(access.withdrawn());
        access.click(2, 42);
        QVERIFY(access.granted());
    }

    void aDecodeClearsOnlyTheFlag() {
        AccessRun access;
        for (int caption = 0; caption < 3; ++caption) {
            access.click(caption, caption);
        }
        QVERIFY(access.granted());
        QDialog* power = OpenFromMenu(access.run.window(), "mnudebug", "Form2");
        PressButton(power, "Command1");

        // A read decodes the radio's image, as opening a file does.
        DecodeImage(EncodeImage(access.run.state), access.run.state);
        access.run.window().RefreshFromState();
        QCOMPARE(access.run.state.flags.DebugAccess, 0);
        QVERIFY(access.buttonVisible());
        QVERIFY(access.slidersEnabled());
        OpenFromMenu(access.run.window(), "mnudebug", "Form2");
        QVERIFY(access.slidersDisabled());
        QVERIFY(access.buttonVisible());

        // The gesture is still done: two captions within a fresh window grant again.
        access.click(2, 30);
        QVERIFY(!access.granted());
        access.click(0, 33);
        QVERIFY(access.granted());
    }
};

QTEST_MAIN(DebugAccessTest)
#include "DebugAccessTest.moc"
