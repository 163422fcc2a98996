#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TestStates.h"
#include "catalogue/Catalogue.h"
#include "image/Backups.h"
#include "image/ChannelFile.h"
#include "image/FileAccess.h"

namespace kvd {
namespace {

namespace fs = std::filesystem;

class FileAccessTest : public ::testing::Test {
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
    static unsigned Mode(const fs::path& p) {
        struct stat st {};
        ::stat(p.c_str(), &st);
        return st.st_mode & 07777;
    }
    std::vector<std::string> Names(const fs::path& folder) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    const fs::path dir_ = fs::temp_directory_path() /
                          ("kvd-access-" + std::to_string(::getpid()) + "-" +
                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

// A pipe waits for a writer and /dev/zero never ends: neither may be read, and asking must
// not wait. A folder gives the system's own words.
TEST_F(FileAccessTest, OnlyRegularFilesAreRead) {
    ASSERT_EQ(::mkfifo((dir_ / "f.DAT").c_str(), 0600), 0);
    fs::create_directory(dir_ / "folder.DAT");
    fs::create_symlink("f.DAT", dir_ / "to-fifo.DAT");
    RadioState state = StartupState(kEnglish);
    for (const fs::path& path : {dir_ / "f.DAT", dir_ / "to-fifo.DAT", fs::path("/dev/zero")}) {
        ChannelFile::Result opened = ChannelFile::Open(path, state);
        EXPECT_EQ(opened.kind, ChannelFile::Result::CannotRead) << path;
        EXPECT_EQ(opened.cause, FileResult::NotRegularFile) << path;
        EXPECT_EQ(TrUtf8(FileProblem(opened), kChinese), "不是普通文件（而是设备、管道等）");
        EXPECT_EQ(TrUtf8(FileProblem(opened), kEnglish),
                  "not a regular file (a device, a pipe or the like)");
        EXPECT_EQ(opened.detail, "") << "no system's words: the program knows the cause";
    }
    ChannelFile::Result folder = ChannelFile::Open(dir_ / "folder.DAT", state);
    EXPECT_EQ(folder.kind, ChannelFile::Result::CannotRead);
    EXPECT_EQ(folder.cause, FileResult::SystemError);
    EXPECT_EQ(TrUtf8(FileProblem(folder), kChinese), folder.detail) << "the system's words stay";

    // A link to a channel file reads as the file; a long file only as far as asked.
    ASSERT_TRUE(ChannelFile::Save(dir_ / "real.DAT", StartupState(kEnglish)));
    fs::create_symlink("real.DAT", dir_ / "link.DAT");
    EXPECT_TRUE(ChannelFile::Open(dir_ / "link.DAT", state));
    std::string bytes;
    ASSERT_TRUE(FileAccess::ReadRegular(dir_ / "real.DAT", bytes, 10));
    EXPECT_EQ(bytes, "KVD27" + ChannelFile::Render(state).substr(5, 5));
}

TEST_F(FileAccessTest, SaveWritesThroughLinksAndKeepsPermissions) {
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

TEST_F(FileAccessTest, SaveRefusesSpecialAndWriteProtectedFiles) {
    ASSERT_EQ(::mkfifo((dir_ / "fifo.DAT").c_str(), 0600), 0);
    fs::create_symlink("fifo.DAT", dir_ / "to-fifo.DAT");
    WriteAll(dir_ / "ro.DAT", "protected");
    ASSERT_EQ(::chmod((dir_ / "ro.DAT").c_str(), 0444), 0);
    const RadioState state = StartupState(kEnglish);
    struct Case {
        const char* name;
        FileResult::Cause cause;
        const char* chinese;
    };
    for (const Case& c : {Case{"fifo.DAT", FileResult::NotRegularFile, "不是普通文件"},
                          Case{"to-fifo.DAT", FileResult::NotRegularFile, "不是普通文件"},
                          Case{"ro.DAT", FileResult::WriteProtected, "写保护"}}) {
        ChannelFile::Result saved = ChannelFile::Save(dir_ / c.name, state);
        EXPECT_EQ(saved.kind, ChannelFile::Result::CannotWrite) << c.name;
        EXPECT_EQ(saved.cause, c.cause) << c.name;
        EXPECT_NE(TrUtf8(FileProblem(saved), kChinese).find(c.chinese), std::string::npos)
            << c.name;
        EXPECT_EQ(FileAccess::CheckWritable(dir_ / c.name).cause, c.cause) << c.name;
    }
    EXPECT_EQ(fs::status(dir_ / "fifo.DAT").type(), fs::file_type::fifo);
    EXPECT_EQ(ReadAll(dir_ / "ro.DAT"), "protected");
    EXPECT_EQ(Mode(dir_ / "ro.DAT"), 0444u);
    EXPECT_EQ(Names(dir_), (std::vector<std::string>{"fifo.DAT", "ro.DAT", "to-fifo.DAT"}));

    EXPECT_FALSE(FileAccess::CheckWritable(dir_ / "no" / "X.DAT")) << "no such folder";
    EXPECT_FALSE(FileAccess::CheckWritable(dir_)) << "a folder";
    EXPECT_TRUE(FileAccess::CheckWritable(dir_ / "new.DAT"));
    EXPECT_TRUE(FileAccess::CheckWritable("relative-new.DAT"));
}

// What a crash in the middle of a save leaves is no channel file and no backup.
TEST_F(FileAccessTest, TemporaryFilesAreRecognisable) {
    const fs::path tmp = FileAccess::TemporaryBeside(dir_ / "KVD270-20270101-120000.DAT");
    EXPECT_EQ(tmp.parent_path(), dir_);
    EXPECT_NE(tmp, FileAccess::TemporaryBeside(dir_ / "KVD270-20270101-120000.DAT"));
    std::string name = tmp.filename().string();
    EXPECT_TRUE(FileAccess::IsTemporaryName(name)) << name;
    std::transform(name.begin(), name.end(), name.begin(), ::toupper);
    EXPECT_FALSE(name.ends_with(".DAT")) << name;
    ASSERT_TRUE(ChannelFile::Save(tmp, StartupState(kEnglish)));
    EXPECT_TRUE(Backups::List(dir_).empty());
    EXPECT_FALSE(FileAccess::IsTemporaryName("RADIO.DAT"));
}

TEST_F(FileAccessTest, BackupsAreCreatedExclusivelyAcrossProcesses) {
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

TEST_F(FileAccessTest, PruningSparesTheNewBackupAndTheUsersFiles) {
    using namespace std::chrono;
    const fs::path folder = dir_ / "backups";
    const RadioState state = StartupState(kEnglish);
    const auto base = system_clock::from_time_t(1'800'000'000);
    for (int i = 0; i < Backups::kKept; ++i) {
        ASSERT_TRUE(Backups::Save(folder, state, base + hours(i)).result);
    }
    const std::vector<std::string> mine = {"KVD270-0-keep.DAT", "KVD270-20000101-000000-keep.DAT",
                                           "KVD270-20000101-000000-01.DAT", "KVD270-2000.DAT"};
    for (const std::string& name : mine) {
        WriteAll(folder / name, "mine");
    }
    const fs::path oldest = Backups::List(folder).front();

    // The clock is a day behind the newest backups.
    Backups::Saved behind = Backups::Save(folder, state, base - hours(24));
    ASSERT_TRUE(behind.result);
    EXPECT_TRUE(fs::exists(behind.path)) << "the backup just written and named stays";
    EXPECT_FALSE(fs::exists(oldest)) << "the oldest of the others goes";
    std::vector<fs::path> kept = Backups::List(folder);
    EXPECT_EQ(kept.size(), static_cast<std::size_t>(Backups::kKept));
    EXPECT_EQ(kept.front(), behind.path);
    for (const std::string& name : mine) {
        EXPECT_EQ(ReadAll(folder / name), "mine") << name;
    }
}

}  // namespace
}  // namespace kvd
