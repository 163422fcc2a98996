#include <gtest/gtest.h>

#include <set>
#include <string>

#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueTable.h"
#include "texts/TextIds.h"

namespace kvd {
namespace {

std::set<std::string> Placeholders(const std::string& text) {
    std::set<std::string> found;
    for (std::size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 1)) {
        if (at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9') {
            found.insert(text.substr(at, 2));
        }
    }
    return found;
}

// Both catalogues hold every text, with the same placeholders; the ids are unique, and no
// catalogue holds a text that code cannot name.
TEST(Catalogue, EveryTextInBothLanguagesWithTheSamePlaceholders) {
    std::set<std::string> ids;
    ASSERT_EQ(std::size(TextIds::kAll), static_cast<std::size_t>(CatalogueTable::kCount));
    for (TextId id : TextIds::kAll) {
        EXPECT_TRUE(ids.insert(id.key).second) << id.key;
        EXPECT_TRUE(CatalogueTable::kChinese[id.index]) << "no Chinese text for " << id.key;
        const std::string chinese = TextIn(id, kChinese);
        const std::string english = TextIn(id, kEnglish);
        EXPECT_FALSE(chinese.empty() || english.empty()) << id.key;
        EXPECT_EQ(Placeholders(chinese), Placeholders(english)) << id.key;
    }
    EXPECT_EQ(CatalogueTable::kStrays[0], nullptr)
        << "only in another catalogue: " << CatalogueTable::kStrays[0];
    EXPECT_EQ(TextIn(TextId{"no.suchText"}, kEnglish), "no.suchText") << "a missing id shows";
    EXPECT_EQ(TextIn(TextId{"tone.off"}, kChinese), "关闭") << "an id by its key alone";
}

// Language 2: English texts, the message box's buttons in traditional Chinese.
TEST(Catalogue, TraditionalButtonsOverEnglish) {
    namespace Box = TextIds::messageBox;
    EXPECT_EQ(TextIn(Box::yes, kTraditionalButtons), "是(&Y)");
    EXPECT_EQ(TextIn(Box::abort, kTraditionalButtons), "放棄(&A)");
    EXPECT_EQ(TextIn(Box::ok, kTraditionalButtons), "確定");
    EXPECT_EQ(TextIn(Box::yes, kChinese), "是(&Y)");
    EXPECT_EQ(TextIn(Box::yes, kEnglish), "&Yes");
    EXPECT_EQ(TextIn(TextIds::menu::english, kTraditionalButtons), "Englist");
    EXPECT_EQ(TextIn(TextIds::menu::english, 7), "Englist") << "any other language is English";
    for (TextId id : TextIds::kAll) {
        const bool button = std::string(id.key).rfind("messageBox.", 0) == 0;
        EXPECT_EQ(CatalogueTable::kTraditionalButtons[id.index] != nullptr, button) << id.key;
    }
}

// Arguments go in once, in the same language, whatever they hold themselves.
TEST(Catalogue, PlaceholdersTakeTheirArgumentsInOnePass) {
    const UserText quoted = UserText::Verbatim("\"%1 %2\"");
    const UserText busy(TextIds::link::portBusy, {quoted});
    EXPECT_EQ(TextIn(busy, kEnglish),
              "Serial port \"%1 %2\" has been other programs use, please choose other serial or "
              "turn off its program.");
    const UserText nested(TextIds::link::backupNotWritten, {TextIds::file::writeProtected});
    EXPECT_EQ(TextIn(nested, kChinese), "备份失败：文件是只读的（写保护）");
    EXPECT_EQ(TextIn(UserText(TextIds::menu::port, {UserText::Number(3)}), kEnglish), "COM3(&3)");
    EXPECT_EQ(TextIn(UserText(TextIds::link::portFailure, {quoted}), kEnglish), "\"%1 %2\": %2")
        << "a placeholder without its argument stays";
    EXPECT_EQ(TextIn(UserText::Verbatim("100%1"), kChinese), "100%1");
    EXPECT_EQ(TextIn(UserText(), kChinese), "");
}

// The texts keep the radio maker's spelling, and the messages that were Chinese only have
// English ones.
TEST(Catalogue, TextsAsTheRadioMakerWroteThem) {
    EXPECT_EQ(TextIn(TextIds::cell::powerHigh, kEnglish), "Hight");
    EXPECT_EQ(TextIn(TextIds::cell::busyCarrier, kEnglish), "Carrow");
    EXPECT_EQ(TextIn(TextIds::file::newTitle, kEnglish), "Warnning");
    EXPECT_EQ(TextIn(TextIds::menu::optionalFunctions, kEnglish), "Optional function ");
    EXPECT_EQ(TextIn(TextIds::menu::helpTopic, kEnglish), "The help topic  F1 \"");
    EXPECT_EQ(TextIn(TextIds::grid::bandwidth, kChinese), "宽\\窄带");
    EXPECT_EQ(TextIn(TextIds::about::issue, kChinese), "发布：2011.08“");
    EXPECT_EQ(TextIn(TextIds::file::cannotRead, kEnglish), "The file cannot be read:\n%1\n\n%2");
    EXPECT_EQ(TextIn(TextIds::optional::memoryTooLong, kChinese), "存储器只能存储16位！");
    EXPECT_EQ(TextIn(TextIds::optional::memoryTooLong, kEnglish),
              "The memory can only store 16 digits!");
}

}  // namespace
}  // namespace kvd
