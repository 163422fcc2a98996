#include <gtest/gtest.h>

#include "settings/DebugAccessGesture.h"

namespace kvd {
namespace {

TEST(DebugAccessGesture, ThreeDistinctCaptionsWithinFiveSecondsGrant) {
    DebugAccessGesture g;
    EXPECT_FALSE(g.CaptionClicked(0, 100.0));
    EXPECT_FALSE(g.CaptionClicked(1, 102.0));
    EXPECT_TRUE(g.CaptionClicked(2, 104.6));

    DebugAccessGesture slow;
    slow.CaptionClicked(2, 100.0);
    slow.CaptionClicked(0, 103.0);
    EXPECT_FALSE(slow.CaptionClicked(1, 106.0)) << "six seconds after the first";
    // The late click began a new attempt: the other two within five seconds of it grant.
    EXPECT_FALSE(slow.CaptionClicked(0, 107.0));
    EXPECT_TRUE(slow.CaptionClicked(2, 110.5));

    DebugAccessGesture same;
    for (double t : {10.0, 11.0, 12.0}) {
        EXPECT_FALSE(same.CaptionClicked(1, t));
    }
    EXPECT_FALSE(same.done());
}

TEST(DebugAccessGesture, DoneGrantsAgainUntilResetAndTheHiddenButtonNeedsAQuickPair) {
    DebugAccessGesture g;
    g.CaptionClicked(0, 10.0);
    g.CaptionClicked(1, 11.0);
    ASSERT_TRUE(g.CaptionClicked(2, 12.0));
    EXPECT_TRUE(g.CaptionClicked(1, 14.0)) << "inside the running window";
    EXPECT_FALSE(g.CaptionClicked(0, 60.0)) << "the window has run out: this click restarts it";
    EXPECT_TRUE(g.CaptionClicked(0, 62.0));
    g.Reset();
    EXPECT_FALSE(g.CaptionClicked(0, 63.0));
    EXPECT_FALSE(g.CaptionClicked(1, 63.5));

    EXPECT_FALSE(g.HiddenButtonClicked(50.0));
    EXPECT_FALSE(g.HiddenButtonClicked(52.0)) << "two seconds apart";
    EXPECT_TRUE(g.HiddenButtonClicked(52.5));
    EXPECT_FALSE(g.HiddenButtonClicked(52.7)) << "the pair was used up";
}

}  // namespace
}  // namespace kvd
