#include <gtest/gtest.h>

#include "texts/TextIds.h"

namespace kvd {
namespace {

TEST(UserText, IdsWithArgumentsAndVerbatimTexts) {
    const UserText busy(TextIds::link::portBusy, {UserText::Number(3)});
    EXPECT_EQ(busy.describe(), "link.portBusy(3)");
    EXPECT_FALSE(busy.isVerbatim());
    EXPECT_EQ(busy, UserText(TextId{"link.portBusy"}, {UserText::Verbatim("3")}))
        << "ids compare by their text";
    EXPECT_NE(busy, UserText(TextIds::link::portBusy, {UserText::Number(4)}));
    EXPECT_NE(UserText(TextIds::link::portBusy), busy);
    const UserText value = UserText::Verbatim("145.00000");
    EXPECT_TRUE(value.isVerbatim());
    EXPECT_EQ(value.describe(), "145.00000");
    EXPECT_EQ(UserText().describe(), "") << "an empty text";
}

}  // namespace
}  // namespace kvd
