#include <gtest/gtest.h>

#include "image/FieldTable.h"
#include "link/Wire.h"
#include "sim/DemoImage.h"
#include "sim/RadioSide.h"
#include "sim/SimOptions.h"

namespace kvd::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The conversations themselves, and every fault, are played against the radio by the link's
// tests; here what only the radio's side shows.
TEST(RadioSideTest, KeepsWrittenBlocksWithinItsMemoryAndAnswersNothingToE) {
    RadioSide radio(DemoImage(0), std::uint8_t{0x73});
    EXPECT_EQ(radio.image()[FieldTable::Band().copyOffset], 0x73) << "both copies of the band code";
    for (const Bytes& frame :
         {Bytes{'P', 'R', 'O', 'G', 'R', 'A', 'M'}, Bytes{0x02}, Bytes{0x06}}) {
        ASSERT_FALSE(radio.Receive(frame).empty());
    }
    const Bytes data(16, 0x5A);
    EXPECT_EQ(radio.Receive(link::Wire::WriteBlock(0x0020, data)), Bytes{0x06});
    // A block at the top of the address space wraps instead of running off the memory.
    EXPECT_EQ(radio.Receive(link::Wire::WriteBlock(0xFFF8, data)), Bytes{0x06});
    EXPECT_EQ(radio.image()[0x10], 0x5A);
    EXPECT_EQ(radio.image()[0x1F], 0x5A);
    EXPECT_TRUE(radio.Receive(Bytes{0x45}).empty());
}

// A radio that lies: a stuck byte keeps its old value while its neighbours take the write,
// and after "E" a restarting radio hears nothing, not even "PROGRAM", for the delay.
TEST(RadioSideTest, StuckBytesAndARestartAfterTheEndByte) {
    const MemoryImage before = DemoImage(0);
    RadioSide radio(before, std::nullopt, {.stuckBytes = {0x21}, .restartDelayMs = 2000});
    const Bytes program = {'P', 'R', 'O', 'G', 'R', 'A', 'M'};
    for (const Bytes& frame : {program, Bytes{0x02}, Bytes{0x06}}) {
        ASSERT_FALSE(radio.Receive(frame, 100).empty());
    }
    EXPECT_EQ(radio.Receive(link::Wire::WriteBlock(0x0030, Bytes(16, 0x5A)), 100), Bytes{0x06});
    EXPECT_EQ(radio.image()[0x20], 0x5A);
    EXPECT_EQ(radio.image()[0x21], before[0x21]) << "stuck";
    EXPECT_EQ(radio.image()[0x22], 0x5A);

    const Bytes endThenProgram = {0x45, 'P', 'R', 'O', 'G', 'R', 'A', 'M'};
    EXPECT_TRUE(radio.Receive(endThenProgram, 150).empty()) << "restarting at once";
    EXPECT_TRUE(radio.Receive(program, 2149).empty());
    EXPECT_EQ(radio.Receive(program, 2150), Bytes{0x06}) << "awake again";
    EXPECT_EQ(radio.conversationsEnded(), 1);
}

TEST(SimOptionsTest, ParsesFaultsAndRefusesNonsense) {
    std::string error;
    const char* good[] = {"kvd270-sim",      "--band-code", "21",           "--pace",
                          "--stop-after",    "3",           "--split",      "2",
                          "--stuck-byte",    "0x124",       "--stuck-byte", "33",
                          "--restart-delay", "1500"};
    auto options =
        ParseSimOptions(static_cast<int>(std::size(good)), const_cast<char**>(good), error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->bandCode, 0x21);
    EXPECT_TRUE(options->pace);
    EXPECT_EQ(options->faults.stopAfterBlocks, 3);
    EXPECT_EQ(options->splitSize, 2);
    EXPECT_EQ(options->faults.stuckBytes, (std::vector<std::size_t>{0x124, 33}));
    EXPECT_EQ(options->faults.restartDelayMs, 1500);
    for (std::vector<const char*> bad :
         {std::vector{"s", "--band-code", "1G"}, std::vector{"s", "--band-code", "100"},
          std::vector{"s", "--stop-after"}, std::vector{"s", "--split", "-1"},
          std::vector{"s", "--bogus"}, std::vector{"s", "--stuck-byte", "0x350"},
          std::vector{"s", "--stuck-byte", "-1"}, std::vector{"s", "--restart-delay", "x"}}) {
        EXPECT_FALSE(
            ParseSimOptions(static_cast<int>(bad.size()), const_cast<char**>(bad.data()), error))
            << bad[1];
    }
}

}  // namespace
}  // namespace kvd::sim
