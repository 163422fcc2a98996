// Reading and replacing files as every system does it, in folders named in any script (what a
// Windows user's "C:\Users\张三\文档" meets); FileAccessPosixTest has pipes, links and mode bits.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "ScratchFolder.h"
#include "TestStates.h"
#include "catalogue/Catalogue.h"
#include "image/Backups.h"
#include "image/ChannelFile.h"
#include "image/FileAccess.h"

namespace kvd {
namespace {

namespace fs = std::filesystem;

using FileAccessTest = test::ScratchFolder;

// Every byte value, line ends and Ctrl+Z among them, which a text-mode file would change.
std::string AllBytes() {
    std::string bytes = "\r\n\n\r\x1A\r\n";
    for (int i = 0; i < 512; ++i) {
        bytes += static_cast<char>(i % 256);
    }
    return bytes;
}

// Opening a device may have effects or wait for ever: it is refused by its name or status.
TEST_F(FileAccessTest, DevicesAreRefusedUnopened) {
#ifdef _WIN32
    // Windows opens these in any folder, with any extension and in any case (COM² too).
    const std::vector<fs::path> devices = {"NUL",
                                           "con",
                                           "COM1",
                                           "lpt2.txt",
                                           dir_ / "Com9.DAT",
                                           "AUX .csv",
                                           "\\\\.\\COM3",
                                           FileAccess::PathFromUtf8("COM²"),
                                           dir_ / "nul.DAT"};
#else
    const std::vector<fs::path> devices = {"/dev/zero", "/dev/null"};
#endif
    RadioState state = StartupState(kEnglish);
    for (const fs::path& device : devices) {
        ChannelFile::Result opened = ChannelFile::Open(device, state);
        EXPECT_EQ(opened.kind, ChannelFile::Result::CannotRead) << device;
        EXPECT_EQ(opened.cause, FileResult::NotRegularFile) << device;
        EXPECT_EQ(TextIn(FileProblem(opened), kChinese), "不是普通文件（而是设备、管道等）");
        EXPECT_EQ(opened.detail, "") << "no words of the system: the program knows the cause";
        ChannelFile::Result saved = ChannelFile::Save(device, state);
        EXPECT_EQ(saved.kind, ChannelFile::Result::CannotWrite) << device;
        EXPECT_EQ(saved.cause, FileResult::NotRegularFile) << device;
    }
    EXPECT_TRUE(Names(dir_).empty()) << "nothing was created for them";

    // Names that only resemble a device are files like any other.
    for (const char* name : {"COM10.DAT", "CONSOLE.DAT", "nul-list.DAT", "LPT.DAT", "xCOM1.DAT"}) {
        EXPECT_TRUE(ChannelFile::Save(dir_ / name, state)) << name;
        EXPECT_TRUE(ChannelFile::Open(dir_ / name, state)) << name;
    }
}

TEST_F(FileAccessTest, AFolderIsNotReadAndAFileOnlyAsFarAsAsked) {
    fs::create_directory(dir_ / "folder.DAT");
    RadioState state = StartupState(kEnglish);
    ChannelFile::Result folder = ChannelFile::Open(dir_ / "folder.DAT", state);
    EXPECT_EQ(folder.kind, ChannelFile::Result::CannotRead);
    EXPECT_EQ(folder.cause, FileResult::SystemError);
    EXPECT_FALSE(folder.detail.empty());
    EXPECT_EQ(TextIn(FileProblem(folder), kChinese), folder.detail) << "the system's words stay";

    ASSERT_TRUE(ChannelFile::Save(dir_ / "real.DAT", state));
    std::string bytes;
    ASSERT_TRUE(FileAccess::ReadRegular(dir_ / "real.DAT", bytes, 10));
    EXPECT_EQ(bytes, ChannelFile::Render(state).substr(0, 10));
}

TEST_F(FileAccessTest, AnExistingFileIsReplacedByteForByte) {
    const fs::path file = dir_ / "RADIO.DAT";
    WriteAll(file, std::string(2000, 'o'));
    const std::string bytes = AllBytes();
    ASSERT_TRUE(ChannelFile::WriteAtomically(file, bytes));
    EXPECT_EQ(ReadAll(file), bytes) << "shorter than the old file, and no byte translated";
    std::string read;
    ASSERT_TRUE(ChannelFile::ReadBytes(file, read, bytes.size() + 1));
    EXPECT_EQ(read, bytes);
    EXPECT_EQ(Names(dir_), std::vector<std::string>{"RADIO.DAT"}) << "no temporary file left";
}

TEST_F(FileAccessTest, AChannelFileInAFolderWithAChineseName) {
    for (const char* name : {"频道 Kanäle", "张三", "Ελληνικά ß €.csv"}) {
        EXPECT_EQ(FileAccess::PathFromUtf8(name), fs::path(reinterpret_cast<const char8_t*>(name)));
        EXPECT_EQ(FileAccess::Utf8Of(FileAccess::PathFromUtf8(name)), name);
    }
    const fs::path folder = dir_ / FileAccess::PathFromUtf8("频道 Kanäle");
    fs::create_directories(folder);
    std::mt19937 random(270);
    const RadioState state = test::RandomValidState(random);
    const fs::path file = folder / FileAccess::PathFromUtf8("中继台 1.DAT");
    ASSERT_TRUE(ChannelFile::Save(file, state));
    ASSERT_TRUE(ChannelFile::Save(file, state)) << "and over the existing one";
    EXPECT_EQ(Names(folder), std::vector<std::string>{"中继台 1.DAT"});
    RadioState opened = StartupState(kEnglish);
    ASSERT_TRUE(ChannelFile::Open(file, opened));
    EXPECT_EQ(ChannelFile::Render(opened), ChannelFile::Render(state));
}

// On Windows the read-only attribute, elsewhere the mode bits: what fs::permissions sets.
TEST_F(FileAccessTest, AWriteProtectedFileIsLeftAsItWas) {
    const fs::path file = dir_ / "ro.DAT";
    WriteAll(file, "protected");
    const fs::perms writable =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(file, writable, fs::perm_options::remove);
    const RadioState state = StartupState(kEnglish);

    ChannelFile::Result saved = ChannelFile::Save(file, state);
    EXPECT_EQ(saved.kind, ChannelFile::Result::CannotWrite);
    EXPECT_EQ(saved.cause, FileResult::WriteProtected);
    EXPECT_EQ(TextIn(FileProblem(saved), kChinese), "文件是只读的（写保护）");
    EXPECT_EQ(FileAccess::CheckWritable(file).cause, FileResult::WriteProtected);
    EXPECT_EQ(ReadAll(file), "protected");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_EQ(Names(dir_), std::vector<std::string>{"ro.DAT"});

    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_TRUE(ChannelFile::Save(file, state)) << "writable again";
    EXPECT_EQ(ReadAll(file), ChannelFile::Render(state));
}

// A spreadsheet or an editor may hold the file open while it is saved over.
TEST_F(FileAccessTest, AFileHeldOpenIsReplacedWholeOrLeftAsItWas) {
    const fs::path file = dir_ / "open.csv";
    WriteAll(file, "old");
    std::ifstream held(file, std::ios::binary);
    ASSERT_TRUE(held.is_open());
    ChannelFile::Result saved = ChannelFile::WriteAtomically(file, "new");
#ifdef _WIN32
    // Windows does not replace a file another handle has open: the save fails and says so.
    EXPECT_EQ(saved.kind, ChannelFile::Result::CannotWrite);
    EXPECT_FALSE(saved.detail.empty());
    EXPECT_EQ(ReadAll(file), "old");
#else
    EXPECT_TRUE(saved) << saved.detail;
    EXPECT_EQ(ReadAll(file), "new");
#endif
    held.close();
    EXPECT_EQ(Names(dir_), std::vector<std::string>{"open.csv"}) << "no temporary file left";
}

TEST_F(FileAccessTest, OnlyAnExistingFolderIsWritableAndAFailedSaveLeavesNothing) {
    fs::create_directories(dir_ / "TAKEN.DAT");
    EXPECT_FALSE(FileAccess::CheckWritable(dir_ / "no" / "X.DAT")) << "no such folder";
    EXPECT_TRUE(FileAccess::CheckWritable(dir_ / "new.DAT"));
    EXPECT_TRUE(FileAccess::CheckWritable("relative-new.DAT"));
    EXPECT_FALSE(ChannelFile::Save(dir_ / "no" / "X.DAT", StartupState(kEnglish)));
    EXPECT_EQ(ChannelFile::Save(dir_ / "TAKEN.DAT", StartupState(kEnglish)).kind,
              ChannelFile::Result::CannotWrite);
    EXPECT_EQ(Names(dir_), std::vector<std::string>{"TAKEN.DAT"}) << "no temporary file left";
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

// Backups are named by the time ("-2" on for more within one second) and the newest kKept
// stay, the one just written among them even with the clock behind; the user's files beside
// them, in any script or only resembling the pattern, are neither listed nor removed.
TEST_F(FileAccessTest, BackupsAreNamedByTimeAndTheNewestKept) {
    using namespace std::chrono;
    const fs::path folder = dir_ / FileAccess::PathFromUtf8("备份");
    const RadioState state = StartupState(kEnglish);
    const auto base = system_clock::from_time_t(1'800'000'000);
    for (int i = 0; i < Backups::kKept + 2; ++i) {
        ASSERT_TRUE(Backups::Save(folder, state, base + seconds(i / 2)).result);
    }
    std::vector<fs::path> kept = Backups::List(folder);
    ASSERT_EQ(kept.size(), static_cast<std::size_t>(Backups::kKept));
    EXPECT_TRUE(kept.back().filename().string().ends_with("-2.DAT")) << kept.back();
    EXPECT_TRUE(kept.front().filename().string().ends_with("01.DAT")) << "the oldest two went";
    EXPECT_EQ(ReadAll(kept.back()), ChannelFile::Render(state));

    const std::vector<std::string> mine = {"KVD270-0-keep.DAT", "KVD270-20000101-000000-副本.DAT",
                                           "KVD270-20000101-000000-01.DAT", "KVD270-2000.DAT",
                                           "说明.txt"};
    for (const std::string& name : mine) {
        WriteAll(folder / FileAccess::PathFromUtf8(name), "mine");
    }
    Backups::Saved behind = Backups::Save(folder, state, base - hours(24));
    ASSERT_TRUE(behind.result);
    kept = Backups::List(folder);
    EXPECT_EQ(kept.size(), static_cast<std::size_t>(Backups::kKept));
    EXPECT_EQ(kept.front(), behind.path) << "the backup just written stays";
    EXPECT_TRUE(kept[1].filename().string().ends_with("01-2.DAT")) << "the oldest other went";
    for (const std::string& name : mine) {
        EXPECT_EQ(ReadAll(folder / FileAccess::PathFromUtf8(name)), "mine") << name;
    }
    WriteAll(dir_ / "file", "x");
    EXPECT_FALSE(Backups::Save(dir_ / "file" / "backups", state).result) << "no folder made";
}

}  // namespace
}  // namespace kvd
