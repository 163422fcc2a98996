#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "catalogue/Catalogue.h"
#include "image/ChannelFile.h"
#include "image/ChannelFileGaps.h"

namespace kvd {
namespace {

// A short file names what it lacks: each part once, from where it was cut, the band (kept in
// two places) included; a whole file lacks nothing.
TEST(ChannelFileGaps, AShortFileNamesEachPartItLacksOnce) {
    struct Case {
        std::size_t length;
        std::string first;
        std::size_t count;  // 0: at least two
    };
    for (const Case& c : {Case{853, "", 0}, Case{5 + 0x330, "fixed bytes", 1},
                          Case{5 + 15 * 16 + 3, "Channel 16", 0}, Case{2, "Channel 01", 0}}) {
        std::vector<std::string> parts;
        for (const UserText& part : ChannelFile::MissingParts(c.length)) {
            parts.push_back(TextIn(part, kEnglish));
        }
        SCOPED_TRACE(c.length);
        if (c.first.empty()) {
            EXPECT_TRUE(parts.empty());
            continue;
        }
        ASSERT_FALSE(parts.empty());
        EXPECT_EQ(parts.front(), c.first);
        if (c.count) {
            EXPECT_EQ(parts.size(), c.count);
        } else {
            EXPECT_EQ(std::count(parts.begin(), parts.end(), "band"), 1);
            EXPECT_EQ(std::set(parts.begin(), parts.end()).size(), parts.size());
        }
    }
}

}  // namespace
}  // namespace kvd
