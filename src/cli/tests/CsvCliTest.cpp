// import-csv and export-csv as a user runs them on lists other tools write.
#include <algorithm>
#include <cstdio>

#include "CliFixture.h"
#include "channels/CsvRows.h"

namespace kvd {
namespace {

using test::CliTest;
using test::Finished;
namespace fs = std::filesystem;

// The columns themselves are the channels tests'; import and export of whole lists, the stock
// list's below.
TEST_F(CliTest, AnImportWithNoUsableRowWritesNothing) {
    std::ofstream(dir / "in.csv") << "Location,Frequency,Duplex,Offset,Tone,cToneFreq,Mode\n"
                                     "3,146.52,-,0.6,TSQL,100.0,NFM\n";
    Finished outside = Cli({"import-csv", Path("in.csv"), "--out", Path("C.DAT")});
    EXPECT_EQ(outside.status, 2) << "band 0 is 400-490MHz";
    EXPECT_NE(outside.errors.find("  Line 2, Location 3: the frequency is outside the band "
                                  "400-490MHz (\"146.520000\")\n"),
              std::string::npos)
        << outside.errors;
    EXPECT_NE(outside.errors.find("No row of the file is usable"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "C.DAT")) << "a refused import writes nothing";
}

TEST_F(CliTest, CsvInputIsBoundedAndLongNumbersAreUnusableLines) {
    std::ofstream(dir / "long.csv") << "Location,Frequency\n1,99999999999999999999\n";
    Finished longNumber = Cli({"import-csv", Path("long.csv"), "--out", Path("X.DAT")});
    EXPECT_EQ(longNumber.status, 2) << longNumber.errors;
    EXPECT_NE(longNumber.errors.find("Line 2, Location 1: the number is too large to be a "
                                     "frequency"),
              std::string::npos)
        << longNumber.errors;

    std::ofstream(dir / "big.csv") << "Location,Frequency\n1,440\n"
                                   << std::string(CsvExchange::kLargestFile, ' ');
    Finished big = Cli({"import-csv", Path("big.csv"), "--out", Path("X.DAT")});
    EXPECT_EQ(big.status, 2);
    EXPECT_NE(big.errors.find("too large"), std::string::npos) << big.errors;
    EXPECT_FALSE(fs::exists(dir / "X.DAT"));
}

// A stock list as the other tool writes it: Locations from 0, 22 rows, watts, one row
// with reverse squelch and one outside the band.
class CsvListTest : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        std::ofstream list(dir / "list.csv", std::ios::binary);
        list << "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,"
                "RPT1CALL,RPT2CALL,DVCODE\r\n";
        for (int location = 0; location < 22; ++location) {
            char row[200];
            std::snprintf(row, sizeof row,
                          "%d,\"Rail, %d\",%s,,0.000000,%s,88.5,88.5,023,NN,023,Tone->Tone,NFM,"
                          "12.50,,50W,,,,,\r\n",
                          location, location, FrequencyOf(location).c_str(),
                          location == 4 ? "TSQL-R" : "");
            list << row;
        }
    }
    static std::string FrequencyOf(int location) {
        return location == 9 ? "452.937500" : "160." + std::to_string(100 + 15 * location) + "000";
    }
    // Locations of the channels in an exported file, by the frequency they carry.
    std::vector<int> Exported(const char* dat) {
        EXPECT_EQ(Cli({"export-csv", Path(dat), Path("out.csv")}).status, 0);
        const std::string csv = ReadAll(dir / "out.csv");
        std::vector<int> locations;
        for (int location = 0; location < 22; ++location) {
            if (csv.find("," + FrequencyOf(location) + ",") != std::string::npos) {
                locations.push_back(location);
            }
        }
        return locations;
    }
    Finished Import(QStringList more = {}) {
        return Cli(
            QStringList{"import-csv", Path("list.csv"), "--out", Path("NEW.DAT"), "--band", "5"} +
            more);
    }
};

TEST_F(CsvListTest, WithoutRowsTheFirstSixteenUsableRowsAreTaken) {
    Finished first = Import();
    ASSERT_EQ(first.status, 0) << first.errors;
    EXPECT_EQ(Exported("NEW.DAT"),
              (std::vector<int>{0, 1, 2, 3, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16, 17}));
    EXPECT_EQ(first.errors,
              "6 rows were left out:\n"
              "  Line 6, Location 4 \"Rail, 4\": this radio cannot store reverse squelch "
              "(\"TSQL-R\")\n"
              "  Line 11, Location 9 \"Rail, 9\": the frequency is outside the band 136-174MHz "
              "(\"452.937500\")\n"
              "  Line 20, Location 18 \"Rail, 18\": not among the first sixteen usable rows\n"
              "  Line 21, Location 19 \"Rail, 19\": not among the first sixteen usable rows\n"
              "  Line 22, Location 20 \"Rail, 20\": not among the first sixteen usable rows\n"
              "  Line 23, Location 21 \"Rail, 21\": not among the first sixteen usable rows\n"
              "Imported 16 channels; 0 frequencies were moved onto the channel raster.\n");
    const std::string csv = ReadAll(dir / "out.csv");
    EXPECT_NE(csv.find("\r\n16,CH16,160.355000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,"
                       "5.00,,5.0W,"),
              std::string::npos)
        << csv;
}

TEST_F(CsvListTest, RowsChooseByLocation) {
    Finished chosen = Import({"--rows", "20-21,1-8,12"});
    ASSERT_EQ(chosen.status, 2) << "Location 4 is unusable: " << chosen.errors;
    chosen = Import({"--rows", "20-21,1-3,5-8,12"});
    ASSERT_EQ(chosen.status, 0) << chosen.errors;
    EXPECT_EQ(Exported("NEW.DAT"), (std::vector<int>{1, 2, 3, 5, 6, 7, 8, 12, 20, 21}));
    EXPECT_NE(chosen.errors.find("12 rows were left out:\n"
                                 "  Line 2, Location 0 \"Rail, 0\": not named in --rows\n"),
              std::string::npos)
        << chosen.errors;
    EXPECT_NE(chosen.errors.find("  Line 6, Location 4 \"Rail, 4\": this radio cannot store"),
              std::string::npos)
        << chosen.errors;
    EXPECT_NE(chosen.errors.find("Imported 10 channels;"), std::string::npos);
}

// Each kind of bad list exits 2, says what is wrong, and writes nothing.
TEST_F(CsvListTest, BadRowListsWriteNothing) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "--rows takes Locations and ranges such as 1-8,12,20-22, not \"\""},
        {"1,x", "--rows takes Locations and ranges such as 1-8,12,20-22, not \"x\""},
        {"8-1", "--rows: the range \"8-1\" runs backwards"},
        {"1,30", "--rows: no row has the Location \"30\""},
        {"40-50", "--rows: no row has a Location in \"40-50\""},
        {"3-5",
         "--rows names an unusable row: Line 6, Location 4 \"Rail, 4\": this radio "
         "cannot store reverse squelch (\"TSQL-R\")"},
        {"0-18", "--rows names 19 rows; the radio has sixteen channels"},
    };
    for (const auto& [rows, message] : cases) {
        Finished refused = Import({"--rows", rows});
        EXPECT_EQ(refused.status, 2) << rows;
        EXPECT_NE(refused.errors.find(message), std::string::npos) << rows << refused.errors;
        EXPECT_EQ(refused.errors.rfind("kvd270-cli: ", 0), 0u) << refused.errors;
        EXPECT_FALSE(fs::exists(dir / "NEW.DAT")) << rows;
    }
    Finished many = Import({"--rows", "4,9,0-20,50"});
    EXPECT_EQ(std::count(many.errors.begin(), many.errors.end(), '\n'), 4) << many.errors;
    EXPECT_EQ(Import({"--rows"}).status, 2) << "a list is needed";
}

}  // namespace
}  // namespace kvd
