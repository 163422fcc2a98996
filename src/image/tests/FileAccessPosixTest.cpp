// What only POSIX systems have: pipes, symbolic links, permission bits and the umask, fork,
// and a file size limit to stand in for a full disk.
#include <gtest/gtest.h>

#include <csignal>
#include <set>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ScratchFolder.h"
#include "TestStates.h"
#include "image/Backups.h"
#include "image/ChannelFile.h"
#include "image/FileAccess.h"

namespace kvd {
namespace {

namespace fs = std::filesystem;

class FileAccessPosixTest : public test::ScratchFolder {
protected:
    static unsigned Mode(const fs::path& p) {
        struct stat st {};
        ::stat(p.c_str(), &st);
        return st.st_mode & 07777;
    }
};

// A pipe waits for a writer: it is neither read nor saved over, directly or through a link,
// and asking must not wait. A link to a channel file reads as the file.
TEST_F(FileAccessPosixTest, PipesAreRefusedAndLinksAreFollowed) {
    ASSERT_EQ(::mkfifo((dir_ / "fifo.DAT").c_str(), 0600), 0);
    fs::create_symlink("fifo.DAT", dir_ / "to-fifo.DAT");
    RadioState state = StartupState(kEnglish);
    for (const char* name : {"fifo.DAT", "to-fifo.DAT"}) {
        ChannelFile::Result opened = ChannelFile::Open(dir_ / name, state);
        EXPECT_EQ(opened.kind, ChannelFile::Result::CannotRead) << name;
        EXPECT_EQ(opened.cause, FileResult::NotRegularFile) << name;
        ChannelFile::Result saved = ChannelFile::Save(dir_ / name, state);
        EXPECT_EQ(saved.kind, ChannelFile::Result::CannotWrite) << name;
        EXPECT_EQ(saved.cause, FileResult::NotRegularFile) << name;
    }
    EXPECT_EQ(fs::status(dir_ / "fifo.DAT").type(), fs::file_type::fifo);

    ASSERT_TRUE(ChannelFile::Save(dir_ / "real.DAT", state));
    fs::create_symlink("real.DAT", dir_ / "link.DAT");
    EXPECT_TRUE(ChannelFile::Open(dir_ / "link.DAT", state));
    EXPECT_EQ(Names(dir_),
              (std::vector<std::string>{"fifo.DAT", "link.DAT", "real.DAT", "to-fifo.DAT"}));
}

TEST_F(FileAccessPosixTest, SaveWritesThroughLinksAndKeepsPermissions) {
    fs::create_directories(dir_ / "real");
    WriteAll(dir_ / "real" / "t.DAT", "old");
    ASSERT_EQ(::chmod((dir_ / "real" / "t.DAT").c_str(), 0640), 0);
    fs::create_symlink("real/t.DAT", dir_ / "s.DAT");
    fs::create_symlink("s.DAT", dir_ / "s2.DAT");  // a link to a link
    fs::create_symlink("real/new.DAT", dir_ / "dangling.DAT");

    std::mt19937 random(4);
    const RadioState state = test::RandomValidState(random);
    const std::string file = ChannelFile::Render(state);
    for (const char* name : {"s.DAT", "s2.DAT", "dangling.DAT"}) {
        ASSERT_TRUE(ChannelFile::Save(dir_ / name, state)) << name;
        EXPECT_TRUE(fs::is_symlink(dir_ / name)) << name << " stays a link";
    }
    EXPECT_EQ(ReadAll(dir_ / "real" / "t.DAT"), file);
    EXPECT_EQ(ReadAll(dir_ / "real" / "new.DAT"), file) << "a dangling link makes its target";
    EXPECT_EQ(Mode(dir_ / "real" / "t.DAT"), 0640u);
    EXPECT_EQ(Names(dir_ / "real"), (std::vector<std::string>{"new.DAT", "t.DAT"}))
        << "the temporary file was beside the target and is gone";

    const mode_t old = ::umask(027);
    ASSERT_TRUE(ChannelFile::Save(dir_ / "fresh.DAT", state));
    ::umask(old);
    EXPECT_EQ(Mode(dir_ / "fresh.DAT"), 0640u) << "a new file as the umask says";
}

TEST_F(FileAccessPosixTest, BackupsAreCreatedExclusivelyAcrossProcesses) {
    using namespace std::chrono;
    const auto now = system_clock::from_time_t(1'800'000'000);
    const fs::path folder = dir_ / "backups";
    constexpr int kProcesses = 6;
    std::vector<pid_t> children;
    for (int i = 0; i < kProcesses; ++i) {
        pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            RadioState state = StartupState(kEnglish);
            state.settings.highPowerLevel = static_cast<std::int16_t>(i);
            ::_exit(Backups::Save(folder, state, now).result ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    std::vector<fs::path> kept = Backups::List(folder);
    ASSERT_EQ(kept.size(), static_cast<std::size_t>(kProcesses));
    std::set<std::string> contents;
    for (const fs::path& p : kept) {
        contents.insert(ReadAll(p));
    }
    EXPECT_EQ(contents.size(), static_cast<std::size_t>(kProcesses)) << "none overwrote another";
    EXPECT_EQ(Names(folder).size(), static_cast<std::size_t>(kProcesses)) << "no temporary left";
}

// A disk that fills up part way: files may grow to 100 bytes only, whoever runs this.
TEST_F(FileAccessPosixTest, AFullDiskLeavesTheOldFileWhole) {
    fs::path file = dir_ / "KEEP.DAT";
    std::mt19937 random(2);
    ASSERT_TRUE(ChannelFile::Save(file, StartupState(kChinese)));
    std::string before = ReadAll(file);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const rlimit small{100, old.rlim_max};
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    ChannelFile::Result result = ChannelFile::Save(file, test::RandomValidState(random));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(result.kind, ChannelFile::Result::CannotWrite);
    EXPECT_FALSE(result.detail.empty());
    EXPECT_EQ(ReadAll(file), before);
    EXPECT_EQ(Names(dir_), std::vector<std::string>{"KEEP.DAT"})
        << "the half-written temporary file is removed";
}

}  // namespace
}  // namespace kvd
