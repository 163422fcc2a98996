#include <gtest/gtest.h>

#include "../../image/tests/TestStates.h"
#include "channels/BandSelection.h"

namespace kvd {
namespace {

// Start-up selects band 0 without a question; then the user picks band 5 (136-174MHz) from
// the opened list and programs channel 2.
struct BandFixture : ::testing::Test {
    void SetUp() override {
        band.Select(0, channels, Answer(false));
        EXPECT_EQ(questions, 0);
        EXPECT_EQ(band.BandHighMHz, 490);
        band.ListOpened();
        band.Select(5, channels, Answer(true));
        channels[2] = test::MakeChannel("145.50000", "145.50000");
        questions = 0;
    }
    BandSelection::ConfirmClear Answer(bool ok) {
        return [this, ok] { return ++questions, ok; };
    }
    Channels channels;
    BandSelection band;
    int questions = 0;
};

TEST_F(BandFixture, AChangeFromTheOpenedListAsksOkClearsTheTableCancelRestoresTheBand) {
    band.ListOpened();
    band.Select(5, channels, Answer(false));
    EXPECT_EQ(questions, 0) << "the same band again";
    band.ListOpened();
    band.Select(2, channels, Answer(false));
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(band.position(), 5);
    EXPECT_EQ(band.BandLowMHz, 136);
    EXPECT_TRUE(channels.has(2));

    band.ListOpened();
    band.Select(2, channels, Answer(true));
    EXPECT_EQ(questions, 2);
    EXPECT_EQ(band.position(), 2);
    EXPECT_EQ(band.BandHighMHz, 430);
    EXPECT_FALSE(channels.has(2));
    EXPECT_TRUE(band.SuppressBandPrompt);
}

}  // namespace
}  // namespace kvd
