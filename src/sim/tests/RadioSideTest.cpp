#include <gtest/gtest.h>

#include "image/ByteMap.h"
#include "link/Wire.h"
#include "sim/DemoImage.h"
#include "sim/RadioSide.h"
#include "sim/SimOptions.h"

namespace kvd::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;
const Bytes kProgramRead = {'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x00};

// Brings a radio to the point where it waits for a read request or a write block.
Bytes Handshake(RadioSide& radio, const Bytes& start = kProgramRead) {
    Bytes all = radio.Receive(start);
    for (Bytes frame : {Bytes{0x02}, Bytes{0x06}}) {
        Bytes reply = radio.Receive(frame);
        all.insert(all.end(), reply.begin(), reply.end());
    }
    return all;
}

TEST(RadioSideTest, AnswersTheHandshakeWithItsIdentificationBlock) {
    RadioSide radio(DemoImage(0), std::uint8_t{0x73});
    Bytes replies = Handshake(radio);
    Bytes expected = {0x06, 0x4B, 0x56, 0x44, 0x32, 0x37, 0x73, 0xF8, 0xFF, 0x06};
    EXPECT_EQ(replies, expected);
    EXPECT_EQ(radio.image()[ByteMap::kModelBandCode], 0x73) << "both copies of the band code";
}

TEST(RadioSideTest, KeepsWrittenBlocksAndEndsOnE) {
    RadioSide radio(DemoImage(0));
    Handshake(radio, {'P', 'R', 'O', 'G', 'R', 'A', 'M'});
    Bytes data(16, 0x5A);
    EXPECT_EQ(radio.Receive(link::Wire::WriteBlock(0x0020, data)), Bytes{0x06});
    // A block at the top of the address space wraps instead of running off the memory.
    EXPECT_EQ(radio.Receive(link::Wire::WriteBlock(0xFFF8, data)), Bytes{0x06});
    EXPECT_EQ(radio.image()[0x10], 0x5A);
    EXPECT_EQ(radio.image()[0x1F], 0x5A);
    EXPECT_TRUE(radio.session().write);
    EXPECT_EQ(radio.conversationsEnded(), 0);
    EXPECT_TRUE(radio.Receive(Bytes{0x45}).empty());
    EXPECT_EQ(radio.conversationsEnded(), 1);
    EXPECT_EQ(radio.session().writtenAddresses, std::vector<std::uint16_t>({0x0020, 0xFFF8}));
}

TEST(RadioSideTest, FaultsShowWhereAsked) {
    {
        RadioSide radio(DemoImage(0), std::nullopt, {.garbageAck = 2});
        Bytes replies = Handshake(radio);
        EXPECT_EQ(replies.back(), 0x15);
    }
    {
        RadioSide radio(DemoImage(0), std::nullopt, {.extraByteReply = 2});
        Bytes replies = Handshake(radio);
        EXPECT_EQ(replies.size(), 1u + 9 + 1) << "the identification block has a byte too many";
    }
    {
        RadioSide radio(DemoImage(0), std::nullopt, {.wrongAddressBlock = 1});
        Handshake(radio);
        Bytes answer = radio.Receive(link::Wire::ReadRequest(0x0010));
        EXPECT_EQ(answer[2], 0x50);
    }
    {
        RadioSide radio(DemoImage(0), std::nullopt, {.stopAfterBlocks = 1});
        Handshake(radio);
        EXPECT_EQ(radio.Receive(link::Wire::ReadRequest(0x0010)).size(), 68u);
        EXPECT_TRUE(radio.Receive(Bytes{0x06}).empty());
    }
    {
        RadioSide radio(DemoImage(0), std::nullopt, {.silent = true});
        EXPECT_TRUE(Handshake(radio).empty());
    }
}

TEST(SimOptionsTest, ParsesFaultsAndRefusesNonsense) {
    std::string error;
    const char* good[] = {"kvd270-sim",   "--band-code", "21",      "--pace",
                          "--stop-after", "3",           "--split", "2"};
    auto options = ParseSimOptions(8, const_cast<char**>(good), error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->bandCode, 0x21);
    EXPECT_TRUE(options->pace);
    EXPECT_EQ(options->faults.stopAfterBlocks, 3);
    EXPECT_EQ(options->splitSize, 2);

    for (std::vector<const char*> bad :
         {std::vector{"s", "--band-code", "1G"}, std::vector{"s", "--band-code", "100"},
          std::vector{"s", "--stop-after"}, std::vector{"s", "--split", "-1"},
          std::vector{"s", "--bogus"}}) {
        EXPECT_FALSE(
            ParseSimOptions(static_cast<int>(bad.size()), const_cast<char**>(bad.data()), error))
            << bad[1];
    }
}

}  // namespace
}  // namespace kvd::sim
