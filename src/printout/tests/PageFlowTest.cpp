// The page-break rule: a block moves whole to the next page, a heading goes with what it
// heads, and a block higher than a page neither splits nor loops.
#include <gtest/gtest.h>

#include <vector>

#include "printout/PageFlow.h"

namespace kvd::Printout {
namespace {

struct FlowCase {
    const char* what;
    std::vector<Block> blocks;
    std::vector<Placement> expected;
};

TEST(PageFlow, BlocksMoveWholeAndHeadingsStayWithTheirRows) {
    constexpr double kPage = 100;
    const FlowCase cases[] = {
        {"what fits stays on the first page, one under the other",
         {{30}, {50}, {20}},
         {{0, 0}, {0, 30}, {0, 80}}},
        {"a table that does not fit under the heading starts the next page",
         {{30}, {80}, {10}},
         {{0, 0}, {1, 0}, {1, 80}}},
        {"a heading at the foot of a page goes over with its first row",
         {{70}, {20, true}, {20}, {20}},
         {{0, 0}, {1, 0}, {1, 20}, {1, 40}}},
        {"a block higher than a page gets a page of its own",
         {{10}, {150}, {10}},
         {{0, 0}, {1, 0}, {2, 0}}},
        {"a heading kept with a block higher than a page breaks between them",
         {{50}, {20, true}, {150}},
         {{0, 0}, {0, 50}, {1, 0}}},
        {"a block filling the page exactly leaves no empty page", {{100}, {100}}, {{0, 0}, {1, 0}}},
    };
    for (const FlowCase& c : cases) {
        const std::vector<Placement> placed = FlowOntoPages(c.blocks, kPage);
        ASSERT_EQ(placed.size(), c.expected.size()) << c.what;
        for (std::size_t i = 0; i < placed.size(); ++i) {
            EXPECT_EQ(placed[i].page, c.expected[i].page) << c.what << ", block " << i;
            EXPECT_DOUBLE_EQ(placed[i].top, c.expected[i].top) << c.what << ", block " << i;
        }
    }
}

}  // namespace
}  // namespace kvd::Printout
