#include <gtest/gtest.h>

#include <QRegularExpression>
#include <set>

#include "catalogue/Catalogue.h"
#include "texts/TextIds.h"

namespace kvd {
namespace {

std::set<QString> Placeholders(const QString& text) {
    std::set<QString> found;
    for (const auto& match : QRegularExpression(QStringLiteral("%[1-9]")).globalMatch(text)) {
        found.insert(match.captured());
    }
    return found;
}

// Both catalogues hold every text, with the same placeholders; the ids are unique.
TEST(Catalogue, EveryTextInBothLanguagesWithTheSamePlaceholders) {
    std::set<std::string> ids;
    for (TextId id : TextIds::kAll) {
        EXPECT_TRUE(ids.insert(id.key).second) << id.key;
        const QString chinese = Tr(id, kChinese);
        const QString english = Tr(id, kEnglish);
        EXPECT_NE(chinese, QString::fromLatin1(id.key)) << id.key;
        EXPECT_NE(english, QString::fromLatin1(id.key)) << id.key;
        EXPECT_FALSE(chinese.isEmpty() || english.isEmpty()) << id.key;
        EXPECT_EQ(Placeholders(chinese), Placeholders(english)) << id.key;
    }
    EXPECT_EQ(Tr(TextId{"no.suchText"}, kEnglish), "no.suchText") << "a missing id shows itself";
}

// Language 2: English texts, the message box's buttons in traditional Chinese.
TEST(Catalogue, TraditionalButtonsOverEnglish) {
    namespace Box = TextIds::messageBox;
    EXPECT_EQ(Tr(Box::yes, kTraditionalButtons), "是(&Y)");
    EXPECT_EQ(Tr(Box::abort, kTraditionalButtons), "放棄(&A)");
    EXPECT_EQ(Tr(Box::ok, kTraditionalButtons), "確定");
    EXPECT_EQ(Tr(Box::yes, kChinese), "是(&Y)");
    EXPECT_EQ(Tr(Box::yes, kEnglish), "&Yes");
    EXPECT_EQ(Tr(TextIds::menu::english, kTraditionalButtons), "Englist");
    EXPECT_EQ(Tr(TextIds::menu::english, 7), "Englist") << "any other language is English";
}

// Arguments go in once, in the same language, whatever they hold themselves.
TEST(Catalogue, PlaceholdersTakeTheirArgumentsInOnePass) {
    const UserText nested(TextIds::csv::withValue,
                          {TextIds::csv::badPower, UserText::Verbatim("\"%1 %2\"")});
    const UserText line(TextIds::csv::failedLine, {UserText::Number(12), nested});
    EXPECT_EQ(Tr(line, kEnglish),
              "Line 12: the Power is not High or Low (\"%1 %2\"). The channel list is unchanged.");
    EXPECT_EQ(Tr(line, kChinese),
              "第 12 行：Power 只能是 High 或 Low (\"%1 %2\")。信道列表没有改变。");
    EXPECT_EQ(Tr(UserText(TextIds::menu::port, {UserText::Number(3)}), kEnglish), "COM3(&3)");
    EXPECT_EQ(Tr(UserText(TextIds::csv::withValue, {UserText::Verbatim("a")}), kEnglish), "a (%2)")
        << "a placeholder without its argument stays";
    EXPECT_EQ(Tr(UserText::Verbatim("100%1"), kChinese), "100%1");
    EXPECT_EQ(TrUtf8(TextIds::tone::off, kChinese), "关闭");
}

// The texts keep the radio maker's spelling, and the messages that were Chinese only have
// English ones.
TEST(Catalogue, TextsAsTheRadioMakerWroteThem) {
    EXPECT_EQ(Tr(TextIds::cell::powerHigh, kEnglish), "Hight");
    EXPECT_EQ(Tr(TextIds::cell::busyCarrier, kEnglish), "Carrow");
    EXPECT_EQ(Tr(TextIds::file::newTitle, kEnglish), "Warnning");
    EXPECT_EQ(Tr(TextIds::menu::optionalFunctions, kEnglish), "Optional function ");
    EXPECT_EQ(Tr(TextIds::menu::helpTopic, kEnglish), "The help topic  F1 \"");
    EXPECT_EQ(Tr(TextIds::grid::bandwidth, kChinese), "宽\\窄带");
    EXPECT_EQ(Tr(TextIds::about::issue, kChinese), "发布：2011.08“");
    EXPECT_EQ(Tr(TextIds::optional::memoryTooLong, kChinese), "存储器只能存储16位！");
    EXPECT_EQ(Tr(TextIds::optional::memoryTooLong, kEnglish),
              "The memory can only store 16 digits!");
}

// The interface language without an application: texts follow it, nothing else to do.
TEST(Catalogue, InterfaceLanguage) {
    UseLanguage(kEnglish);
    EXPECT_EQ(InterfaceLanguage(), kEnglish);
    EXPECT_EQ(Tr(TextIds::tone::off), "Off");
    UseLanguage(kChinese);
    EXPECT_EQ(Tr(TextIds::tone::off), "关闭");
}

}  // namespace
}  // namespace kvd
