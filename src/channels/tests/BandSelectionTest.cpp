#include <gtest/gtest.h>

#include "channels/BandSelection.h"
#include "channels/ChannelTable.h"

namespace kvd {
namespace {

struct BandFixture : ::testing::Test {
    void SetUp() override {
        band.Select(0, table, nullptr);  // start-up: position 0 equals CurrentBand 0
        band.ListOpened();
        band.Select(5, table, [] { return true; });
        table.setCell(2, 1, "145.50000");
        band.SuppressBandPrompt = true;
    }
    ChannelTable table;
    BandSelection band;
    int questions = 0;
};

TEST_F(BandFixture, StartUpSetsLimitsWithoutAsking) {
    BandSelection fresh;
    ChannelTable t;
    fresh.Select(0, t, [] {
        ADD_FAILURE() << "asked at start-up";
        return false;
    });
    EXPECT_EQ(fresh.BandLowMHz, 400);
    EXPECT_EQ(fresh.BandHighMHz, 490);
    EXPECT_TRUE(fresh.SuppressBandPrompt);
}

TEST_F(BandFixture, UserChangeFromTheOpenedListAnsweredOkClearsTheTable) {
    band.ListOpened();
    band.Select(2, table, [&] { return ++questions, true; });
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(band.position(), 2);
    EXPECT_EQ(band.BandLowMHz, 400);
    EXPECT_EQ(band.BandHighMHz, 430);
    EXPECT_FALSE(table.hasChannel(2));
    EXPECT_TRUE(band.SuppressBandPrompt);
}

TEST_F(BandFixture, UserChangeAnsweredCancelRestoresTheBandAndKeepsTheTable) {
    band.ListOpened();
    band.Select(2, table, [&] { return ++questions, false; });
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(band.position(), 5);
    EXPECT_EQ(band.BandLowMHz, 136);
    EXPECT_EQ(band.BandHighMHz, 174);
    EXPECT_TRUE(table.hasChannel(2));
}

TEST_F(BandFixture, ChangesWhileTheListIsClosedAreSilent) {
    band.Select(6, table, [&] { return ++questions, false; });
    EXPECT_EQ(questions, 0);
    EXPECT_EQ(band.BandLowMHz, 600);
    EXPECT_TRUE(table.hasChannel(2));
}

TEST_F(BandFixture, ReselectingTheSameBandAsksNothing) {
    band.ListOpened();
    band.Select(5, table, [&] { return ++questions, false; });
    EXPECT_EQ(questions, 0);
}

TEST_F(BandFixture, TakingTheBandFromARadioNeverAsks) {
    band.ListOpened();
    band.TakeBand(3);
    EXPECT_EQ(band.CurrentBand, 3);
    EXPECT_EQ(band.position(), 3);
    EXPECT_EQ(band.BandLowMHz, 370);
    EXPECT_TRUE(table.hasChannel(2));
    EXPECT_TRUE(band.SuppressBandPrompt);
}

}  // namespace
}  // namespace kvd
