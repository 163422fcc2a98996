// Debug access through the window: the hidden gesture on three scan-group captions, the
// hidden "TAnMa" button, and the silent reset by a decode. The gesture's timing rules are
// pinned in DebugAccessGestureTest; time comes from a clock the test moves.
#include <QLabel>
#include <QSlider>

#include "DialogTestSupport.h"
#include "dialogs/DebugAccess.h"
#include "image/ImageCodec.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;

namespace {

// One run with the gesture's dialog open and a hand-moved clock.
struct AccessRun {
    ShellRun run;
    double now = 0;  // seconds, far from zero as a machine's clock is
    QDialog* optional = nullptr;

    AccessRun() {
        run.start();
        run.window().findChild<DebugAccess*>("DebugAccess")->setClock([this] { return now; });
        optional = OpenFromMenu(run.window(), "mnudtmf", "Form5");
    }
    void click(const char* caption, double at) {
        now = 40000.3 + at;
        QTest::mouseClick(Find<QLabel>(optional, caption), Qt::LeftButton);
    }
    void clickHiddenButton(double at) {
        now = 40000.3 + at;
        ToolButton(run.window(), "TAnMa")->trigger();
    }
    // The flag, the hidden button and the two sliders, as "flag button high low".
    QString access() {
        QDialog* power = Find<QDialog>(&run.window(), "Form2");
        return QStringLiteral("%1 %2 %3 %4")
            .arg(run.state.flags.DebugAccess)
            .arg(ToolButton(run.window(), "TAnMa")->isVisible())
            .arg(Find<QSlider>(power, "Slider1")->isEnabled())
            .arg(Find<QSlider>(power, "Slider3")->isEnabled());
    }
};

const QString kGranted = QStringLiteral("1 1 1 1");
const QString kWithdrawn = QStringLiteral("0 0 0 0");

}  // namespace

class DebugAccessTest : public QObject {
    Q_OBJECT
private slots:
    void theGestureGrantsADecodeClearsTheFlagAndTheHiddenButtonWithdraws() {
        AccessRun a;
        // Grant and withdrawal reach an open power window at once.
        OpenFromMenu(a.run.window(), "mnudebug", "Form2");
        a.click("lblCombo13", 20);
        a.click("lblCombo15", 22);
        // Other captions of the window are no part of the gesture.
        for (const char* other : {"lblCombo11", "lblCombo12", "lblText5"}) {
            QTest::mouseClick(Find<QLabel>(a.optional, other), Qt::LeftButton);
        }
        QCOMPARE(a.access(), kWithdrawn);
        a.click("lblCombo14", 24.6);
        QCOMPARE(a.access(), kGranted);

        // A read decodes the radio's image, as opening a file does: only the flag goes.
        DecodeImage(EncodeImage(a.run.state), a.run.state);
        a.run.window().RefreshFromState();
        QCOMPARE(a.access(), QStringLiteral("0 1 1 1"));
        OpenFromMenu(a.run.window(), "mnudebug", "Form2");
        QCOMPARE(a.access(), QStringLiteral("0 1 0 0"));
        // The gesture is still done: two captions within a fresh window grant again.
        a.click("lblCombo15", 30);
        QCOMPARE(a.access(), QStringLiteral("0 1 0 0"));
        a.click("lblCombo13", 33);
        QCOMPARE(a.access(), kGranted);

        a.clickHiddenButton(40);
        QCOMPARE(a.access(), kGranted);
        a.clickHiddenButton(40.5);
        QCOMPARE(a.access(), kWithdrawn);
        // The withdrawal forgets the gesture: two captions no longer grant.
        a.click("lblCombo13", 41);
        a.click("lblCombo14", 42);
        QCOMPARE(a.access(), kWithdrawn);
    }
};

QTEST_MAIN(DebugAccessTest)
#include "DebugAccessTest.moc"
