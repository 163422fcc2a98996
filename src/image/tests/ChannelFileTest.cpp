#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "ScratchFolder.h"
#include "TestStates.h"
#include "catalogue/Catalogue.h"
#include "image/Backups.h"
#include "image/ChannelFile.h"
#include "image/ChannelFileGaps.h"

namespace kvd {
namespace {

namespace fs = std::filesystem;

using ChannelFileTest = test::ScratchFolder;

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

TEST_F(ChannelFileTest, AFailedSaveLeavesTheOldFileWholeAndNoTemporaryFile) {
    fs::create_directories(dir_ / "TAKEN.DAT");
    ChannelFile::Result result = ChannelFile::Save(dir_ / "TAKEN.DAT", StartupState(kChinese));
    EXPECT_EQ(result.kind, ChannelFile::Result::CannotWrite);
    EXPECT_EQ(Names(dir_), std::vector<std::string>{"TAKEN.DAT"})
        << "the temporary file is removed";
}

TEST_F(ChannelFileTest, BackupsAreNamedByTimeAndTheNewestHundredKept) {
    using namespace std::chrono;
    const RadioState state = StartupState(kChinese);
    auto base = system_clock::from_time_t(1'800'000'000);
    for (int i = 0; i < 104; ++i) {
        Backups::Saved saved = Backups::Save(dir_ / "backups", state, base + seconds(i / 2));
        ASSERT_TRUE(saved.result) << saved.result.detail;
    }
    std::vector<fs::path> kept = Backups::List(dir_ / "backups");
    ASSERT_EQ(kept.size(), 100u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "backups"), {}), 100);
    // Two backups within one second get distinct names; the oldest four went.
    EXPECT_TRUE(kept.back().filename().string().ends_with("-2.DAT")) << kept.back();
    EXPECT_TRUE(kept.front().filename().string().ends_with("02.DAT")) << kept.front();
    EXPECT_EQ(ReadAll(kept.back()), ChannelFile::Render(state));

    WriteAll(dir_ / "file", "x");
    Backups::Saved saved = Backups::Save(dir_ / "file" / "backups", state);
    EXPECT_EQ(saved.result.kind, ChannelFile::Result::CannotWrite) << "no folder can be made";
}

}  // namespace
}  // namespace kvd
