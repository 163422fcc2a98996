#include <gtest/gtest.h>

#include "ScratchFolder.h"
#include "TestStates.h"
#include "image/Backups.h"
#include "image/ChannelFile.h"

namespace kvd {
namespace {

namespace fs = std::filesystem;

using ChannelFileTest = test::ScratchFolder;

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
