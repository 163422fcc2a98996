// The comparison of two configurations, the words it is shown in, and what each image byte
// belongs to.
#include <gtest/gtest.h>

#include <random>

#include "TestStates.h"
#include "catalogue/Catalogue.h"
#include "channels/ChannelCells.h"
#include "image/ByteMap.h"
#include "image/Comparison.h"
#include "image/DifferenceTexts.h"
#include "image/ImageCodec.h"

namespace kvd {
namespace {

namespace Cells = ChannelCells;
namespace Texts = DifferenceTexts;

// Each difference as "place: ours | theirs" in the language.
std::vector<std::string> Shown(const Differences& differences, LanguageId language) {
    std::vector<std::string> lines;
    for (const Difference& d : differences) {
        const FieldPlace& p = d.place;
        lines.push_back(
            (p.isChannel() ? TextIn(Texts::ChannelHeading(p.channel), language) + " " : "") +
            TextIn(Texts::FieldCaption(p), language) + ": " +
            TextIn(Texts::ValueText(p, d.ours), language) + " | " +
            TextIn(Texts::ValueText(p, d.theirs), language));
    }
    return lines;
}

RadioState Decoded(const MemoryImage& image) {
    RadioState state = StartupState(kEnglish);
    DecodeImage(image, state);
    return state;
}

TEST(Comparison, ListsEachValueThatDiffersWithBothValuesInEitherLanguage) {
    RadioState ours = StartupState(kEnglish);
    ours.channels[3] = test::MakeChannel("145.52500", "145.52500", 0, 1);
    ours.channels[5] = test::MakeChannel("146.00000", "", 0, 0, {1, 1, 1, 0});
    RadioState theirs = ours;
    EXPECT_TRUE(Compare(ours, theirs).empty());

    theirs.channels[3]->rx = Frequency::FromTens(14552300);
    theirs.channels[3]->txTone = Tone::Dcs(023, Tone::Polarity::Inverted);
    theirs.channels[3]->power = Power::High;
    theirs.channels[5].reset();  // a channel that only receives: no transmit cells to list
    theirs.settings.squelchLevel = 5;
    theirs.settings.scanReceiveDelay = 12;
    theirs.settings.autoDialMemories[2] = "0123";
    theirs.settings.debugFrequencies[4].transmit = Frequency::FromTens(40012500);
    theirs.settings.voxCancelOperation = false;
    theirs.band.TakeBand(5);

    const Differences differences = Compare(ours, theirs);
    EXPECT_EQ(Shown(differences, kEnglish),
              (std::vector<std::string>{
                  "Channel 03 RX frequency: 145.52500 | 145.52300",
                  "Channel 03 TX QT/DQT: 67.0 | D023I",
                  "Channel 03 Power: Low | Hight",
                  "Channel 05 RX frequency: 146.00000 | ",
                  "Channel 05 RX QT/DQT: Off | ",
                  "Channel 05 Power: Hight | ",
                  "Channel 05 Forbid: Off | ",
                  "Channel 05 Bandwidth: Wide | ",
                  "Channel 05 Scan: No | ",
                  "Squelch Grade: (squelchLevel): 1 Group | 5 Group",
                  "Cancel operation (voxCancelOperation): On | Off",
                  "Scan receive delay time(S) (scanReceiveDelay):  | 12",
                  "Channel (band): 400-490MHz | 136-174MHz",
                  "自动拨号存储器 3 (autoDialMemories): 3 | 0123",
                  "测试频率 05 TX Frequency (debugFrequencies):  | 400.12500",
              }));
    const std::vector<std::string> zh = Shown(differences, kChinese);
    EXPECT_EQ(zh[2], "信道 03 功率: 低 | 高");
    EXPECT_EQ(zh[4], "信道 05 接收亚音频: 关闭 | ");
    EXPECT_EQ(zh[9], "静噪等级 (squelchLevel): 1 级 | 5 级");
    EXPECT_EQ(zh[10], "取消操作 (voxCancelOperation): 使能 | 禁止");
    EXPECT_EQ(zh.back(), "测试频率 05 发射频率 (debugFrequencies):  | 400.12500");
}

// What a radio holds after a write is no difference from what was written, though a scan
// delay never entered reads back as the 0 it was written as.
TEST(Comparison, AConfigurationAndItsWrittenImageAreEqual) {
    std::mt19937 random(7);
    std::vector<RadioState> states{StartupState(kEnglish)};
    for (int run = 0; run < 200; ++run) {
        states.push_back(test::RandomValidState(random));
    }
    for (const RadioState& state : states) {
        ASSERT_EQ(Shown(Compare(state, Decoded(EncodeImage(state))), kEnglish),
                  std::vector<std::string>{});
    }
    RadioState entered = StartupState(kEnglish);
    entered.settings.scanTransmitDelay = 5;
    EXPECT_EQ(Compare(StartupState(kEnglish), entered).size(), 1u);
}

// Whatever single byte of an image changes, the comparison of the two decoded states is
// empty exactly when they encode to the same image, and it names what that byte belongs to.
TEST(Comparison, FindsEveryChangeThatReachesTheImageAndNamesTheByteItCameFrom) {
    std::mt19937 random(16);
    int found = 0;
    for (int run = 0; run < 3000; ++run) {
        const RadioState original = test::RandomValidState(random);
        const MemoryImage image = EncodeImage(original);
        MemoryImage changed = image;
        const std::size_t offset = random() % ByteMap::kDecodedSize;
        changed[offset] ^= static_cast<std::uint8_t>(1u << random() % 8);
        const RadioState a = Decoded(image), b = Decoded(changed);
        const Differences differences = Compare(a, b);
        ASSERT_EQ(differences.empty(), EncodeImage(a) == EncodeImage(b)) << "offset " << offset;
        ASSERT_TRUE(Compare(b, a).size() == differences.size());
        if (differences.empty()) {
            continue;
        }
        ++found;
        const ByteOwner owner = OwnerOfByte(offset);
        const bool named =
            std::any_of(differences.begin(), differences.end(), [&](const Difference& d) {
                const FieldPlace& p = d.place;
                return (owner.channel && p.channel == owner.channel) ||
                       (owner.scanFrom && p.column == Cells::kScanAdd &&
                        p.channel >= owner.scanFrom && p.channel < owner.scanFrom + 8) ||
                       (owner.field && p.field == owner.field && p.element == owner.element);
            });
        ASSERT_TRUE(named) << "offset " << offset << " belongs to "
                           << TextIn(Texts::OwnerText(owner), kEnglish);
    }
    EXPECT_GT(found, 1500);
}

TEST(Comparison, EveryImageByteHasItsOwner) {
    const std::pair<std::size_t, std::string> cases[] = {
        {0x000, "Channel 01"},
        {0x0FF, "Channel 16"},
        {0x16E, "Scan 01-08"},
        {0x16F, "Scan 09-16"},
        {0x124, "Squelch Grade: (squelchLevel)"},
        {0x156, "Scan receive delay time(S) (scanReceiveDelay)"},
        {0x1AD, "Channel (band)"},
        {0x33C, "Channel (band)"},
        {0x1F0 + 16 * 2 + 5, "自动拨号存储器 3 (autoDialMemories)"},
        {0x270 + 8 * 4 + 5, "测试频率 05 TX Frequency (debugFrequencies)"},
        {0x123, "fixed bytes"},
        {0x349, "fixed bytes"},
    };
    for (const auto& [offset, owner] : cases) {
        EXPECT_EQ(TextIn(Texts::OwnerText(OwnerOfByte(offset)), kEnglish), owner) << offset;
    }
    EXPECT_EQ(TextIn(Texts::OwnerText(OwnerOfByte(0x123)), kChinese), "固定字节");
}

}  // namespace
}  // namespace kvd
