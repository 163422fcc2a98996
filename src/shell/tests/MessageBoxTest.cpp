// The localized message box: buttons per style and language, icons, default buttons, the
// application title, and the answer of the real box.
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "shell/LocalizedMessageBox.h"
#include "shell/MessageBoxStyle.h"

using namespace kvd;
using namespace kvd::gui;
namespace Style = kvd::gui::MessageBoxStyle;

namespace {

// Presses a button of the next box that opens, found by its caption.
void PressWhenShown(const QString& caption) {
    QTimer::singleShot(0, [caption] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == caption) {
                button->click();
                return;
            }
        }
        box->reject();
        QFAIL("no such button");
    });
}

}  // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    void buttonsSpeakTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("style");
        QTest::addColumn<QStringList>("texts");
        // Between them the rows show every button in every language.
        QTest::newRow("zh ok") << 0 << Style::kOk << QStringList{"确定"};
        QTest::newRow("en ok") << 1 << Style::kOk << QStringList{"OK"};
        QTest::newRow("zh-tw ok") << 2 << Style::kOk << QStringList{"確定"};
        QTest::newRow("zh yes no cancel")
            << 0 << (Style::kYesNoCancel | Style::kQuestion | Style::kSystemModal)
            << QStringList{"是", "否", "取消"};
        QTest::newRow("en yes no cancel")
            << 1 << Style::kYesNoCancel << QStringList{"Yes", "No", "Cancel"};
        QTest::newRow("zh-tw yes no cancel")
            << 2 << Style::kYesNoCancel << QStringList{"是", "否", "取消"};
        QTest::newRow("zh abort retry ignore")
            << 0 << Style::kAbortRetryIgnore << QStringList{"放弃", "重试", "忽略"};
        QTest::newRow("en abort retry ignore")
            << 1 << Style::kAbortRetryIgnore << QStringList{"Abort", "Retry", "Ignore"};
        QTest::newRow("zh-tw abort retry ignore")
            << 2 << Style::kAbortRetryIgnore << QStringList{"放棄", "重試", "忽略"};
    }
    void buttonsSpeakTheLanguage() {
        QFETCH(int, language);
        QFETCH(int, style);
        QFETCH(QStringList, texts);
        MessageBoxResponder answer(Style::kIdOk);
        LocalizedMessageBox(nullptr, static_cast<LanguageId>(language), "text", style);
        QCOMPARE(answer.shown().front().buttonTexts, texts);
    }

    void otherLanguagesKeepThePlatformButtons() {
        MessageBoxResponder answer(Style::kIdOk);
        LocalizedMessageBox(nullptr, 3, "text", Style::kYesNo);
        const QStringList texts = answer.shown().front().buttonTexts;
        QCOMPARE(texts.size(), 2);
        QVERIFY(!texts.contains(QStringLiteral("是")) && !texts.contains(QStringLiteral("Yes")));
        QVERIFY(!texts[0].isEmpty() && !texts[1].isEmpty());
    }

    void iconsDefaultButtonsAndTitle() {
        MessageBoxResponder answer(Style::kIdOk);
        LocalizedMessageBox(nullptr, 0, "a", Style::kOk | Style::kCritical);
        LocalizedMessageBox(nullptr, 0, "b",
                            Style::kOkCancel | Style::kExclamation | Style::kDefaultSecond, "警告");
        LocalizedMessageBox(nullptr, 0, "c",
                            Style::kYesNoCancel | Style::kInformation | Style::kDefaultThird);
        LocalizedMessageBox(nullptr, 0, "d", Style::kYesNo | Style::kDefaultThird);
        const auto& shown = answer.shown();
        QCOMPARE(shown[0].icon, QMessageBox::Critical);
        QCOMPARE(shown[0].title, QStringLiteral("KVD-270"));
        QCOMPARE(shown[0].defaultButton, Style::kIdOk);
        QCOMPARE(shown[1].icon, QMessageBox::Warning);
        QCOMPARE(shown[1].title, QStringLiteral("警告"));
        QCOMPARE(shown[1].defaultButton, Style::kIdCancel);
        QCOMPARE(shown[2].icon, QMessageBox::Information);
        QCOMPARE(shown[2].defaultButton, Style::kIdCancel);
        QCOMPARE(shown[3].icon, QMessageBox::NoIcon);
        QCOMPARE(shown[3].defaultButton, Style::kIdYes);  // no third button: the first
        QVERIFY(shown[3].applicationModal);
    }

    void theRealBoxReturnsTheButtonPressed() {
        PressWhenShown(QStringLiteral("否"));
        QCOMPARE(LocalizedMessageBox(nullptr, 0, "?", Style::kYesNoCancel), Style::kIdNo);
        PressWhenShown(QStringLiteral("Retry"));
        QCOMPARE(LocalizedMessageBox(nullptr, 1, "?", Style::kAbortRetryIgnore), Style::kIdRetry);
        PressWhenShown(QStringLiteral("確定"));
        QCOMPARE(LocalizedMessageBox(nullptr, 2, "?", Style::kOk), Style::kIdOk);
    }

    void closingTheRealBoxCountsAsCancel() {
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->text(), QStringLiteral("<b>not bold</b>"));
            QCOMPARE(box->textFormat(), Qt::PlainText);
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QCOMPARE(LocalizedMessageBox(nullptr, 0, "<b>not bold</b>", Style::kOkCancel),
                 Style::kIdCancel);
    }
};

QTEST_MAIN(MessageBoxTest)
#include "MessageBoxTest.moc"
