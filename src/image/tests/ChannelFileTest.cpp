#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include <sys/resource.h>
#include <unistd.h>

#include "TestStates.h"
#include "image/Backups.h"
#include "image/ChannelFile.h"

namespace kvd {
namespace {

namespace fs = std::filesystem;

class ChannelFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    static std::string ReadAll(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void WriteAll(const fs::path& p, const std::string& bytes) {
        std::ofstream(p, std::ios::binary) << bytes;
    }
    long Entries() const { return std::distance(fs::directory_iterator(dir_), {}); }

    const fs::path dir_ = fs::temp_directory_path() /
                          ("kvd-file-" + std::to_string(::getpid()) + "-" +
                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

TEST_F(ChannelFileTest, AFailedSaveLeavesTheOldFileWholeAndNoTemporaryFile) {
    fs::create_directories(dir_ / "TAKEN.DAT");
    ChannelFile::Result result = ChannelFile::Save(dir_ / "TAKEN.DAT", StartupState(kChinese));
    EXPECT_EQ(result.kind, ChannelFile::Result::CannotWrite);
    EXPECT_EQ(Entries(), 1) << "the temporary file is removed";

    // A disk that fills up part way: files may grow to 100 bytes only, whoever runs this.
    fs::path file = dir_ / "KEEP.DAT";
    std::mt19937 random(2);
    ASSERT_TRUE(ChannelFile::Save(file, StartupState(kChinese)));
    std::string before = ReadAll(file);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const rlimit small{100, old.rlim_max};
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    result = ChannelFile::Save(file, test::RandomValidState(random));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(result.kind, ChannelFile::Result::CannotWrite);
    EXPECT_FALSE(result.detail.empty());
    EXPECT_EQ(ReadAll(file), before);
    EXPECT_EQ(Entries(), 2) << "the half-written temporary file is removed";
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
