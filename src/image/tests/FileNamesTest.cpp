// Folders and files named in other scripts, and CSV files with their line ends: what a
// Windows user's "C:\Users\张三\文档" meets.
#include <gtest/gtest.h>

#include "ScratchFolder.h"
#include "TestStates.h"
#include "channels/BandSelection.h"
#include "channels/CsvChoice.h"
#include "channels/CsvExchange.h"
#include "image/Backups.h"
#include "image/ChannelFile.h"
#include "image/FileAccess.h"

namespace kvd {
namespace {

namespace fs = std::filesystem;
using FileAccess::PathFromUtf8;

class FileNamesTest : public test::ScratchFolder {
protected:
    void SetUp() override {
        ScratchFolder::SetUp();
        fs::create_directories(folder_);
    }
    const fs::path folder_ = dir_ / PathFromUtf8("频道 Kanäle");
};

TEST_F(FileNamesTest, NamesGoToAndFromUtf8Unchanged) {
    for (const char* name : {"频道 Kanäle", "张三", "RADIO.DAT", "Ελληνικά ß €.csv"}) {
        const fs::path path = PathFromUtf8(name);
        EXPECT_EQ(FileAccess::Utf8Of(path), name);
        EXPECT_EQ(path, fs::path(reinterpret_cast<const char8_t*>(name))) << name;
    }
    EXPECT_EQ(FileAccess::Utf8Of(PathFromUtf8("张三/频道.DAT").filename()), "频道.DAT");
}

TEST_F(FileNamesTest, AChannelFileInAFolderWithAChineseName) {
    const fs::path file = folder_ / PathFromUtf8("中继台 1.DAT");
    std::mt19937 random(270);
    const RadioState state = test::RandomValidState(random);
    ASSERT_TRUE(ChannelFile::Save(file, state));
    ASSERT_TRUE(ChannelFile::Save(file, state)) << "and over the existing one";
    EXPECT_EQ(Names(folder_), std::vector<std::string>{"中继台 1.DAT"});
    RadioState opened = StartupState(kEnglish);
    ASSERT_TRUE(ChannelFile::Open(file, opened));
    EXPECT_EQ(ChannelFile::Render(opened), ChannelFile::Render(state));
}

// The backups folder lies in the user's profile, whose name may be in any script, and the
// user may keep files of any name beside the backups.
TEST_F(FileNamesTest, BackupsBesideFilesWithChineseNames) {
    const fs::path backups = folder_ / PathFromUtf8("备份");
    fs::create_directories(backups);
    for (const char* name : {"说明.txt", "KVD270-备份.DAT", "KVD270-20270101-120000-副本.DAT"}) {
        WriteAll(backups / PathFromUtf8(name), "mine");
    }
    const RadioState state = StartupState(kChinese);
    Backups::Saved saved = Backups::Save(backups, state);
    ASSERT_TRUE(saved.result) << saved.result.detail;
    EXPECT_EQ(Backups::List(backups), std::vector<fs::path>{saved.path});
    EXPECT_EQ(ReadAll(saved.path), ChannelFile::Render(state));
    EXPECT_EQ(Names(backups).size(), 4u) << "the user's files stay";
}

// A CSV file holds CRLF line ends, as written, and imports the same from a file as from the
// text; files saved by editors with LF only or with a byte-order mark import alike.
TEST_F(FileNamesTest, CsvFilesKeepTheirLineEnds) {
    BandSelection band;
    band.TakeBand(5);  // 136-174 MHz
    const CsvExchange::FileReading reading = CsvExchange::ReadFile(
        "Location,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,"
        "Skip,Power\r\n"
        "1,145.531250,,0,TSQL,88.5,88.5,023,NN,FM,,High\r\n"
        "2,146.520000,+,0.6,Tone,100.0,88.5,023,NN,NFM,S,Low\r\n"
        "3,147.000000,,0,DTCS,88.5,88.5,131,NN,FM,,High\r\n",
        band);
    ASSERT_FALSE(reading.fault);
    const CsvExchange::Placement expected = CsvExchange::RowChoice(reading).place();
    ASSERT_EQ(expected.imported, 3);
    const std::string csv = CsvExchange::Export(expected.channels);

    std::string lf = csv;
    for (std::size_t at; (at = lf.find("\r\n")) != std::string::npos;) {
        lf.erase(at, 1);
    }
    const std::pair<const char*, std::string> files[] = {
        {"频道表.csv", csv}, {"lf.csv", lf}, {"bom.csv", "\xEF\xBB\xBF" + csv}};
    for (const auto& [name, text] : files) {
        const fs::path file = folder_ / PathFromUtf8(name);
        ASSERT_TRUE(ChannelFile::WriteAtomically(file, text)) << name;
        EXPECT_EQ(ReadAll(file), text) << name << ": the bytes as written";
        std::string read;
        ASSERT_TRUE(ChannelFile::ReadBytes(file, read, CsvExchange::kLargestFile + 1)) << name;
        const CsvExchange::FileReading again = CsvExchange::ReadFile(read, band);
        ASSERT_FALSE(again.fault) << name;
        EXPECT_TRUE(CsvExchange::RowChoice(again).place().channels == expected.channels) << name;
    }
    const std::string written = ReadAll(folder_ / PathFromUtf8("频道表.csv"));
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 4) << "a header, three channels";
    EXPECT_EQ(std::count(written.begin(), written.end(), '\r'), 4) << "each line ended by CRLF";
    EXPECT_EQ(written.find("\r\r"), std::string::npos);
}

}  // namespace
}  // namespace kvd
