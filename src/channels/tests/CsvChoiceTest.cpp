// Choosing which rows of a list become the sixteen channels: by ticks as the import dialog
// does, or by a list of Locations as the command line does.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>

#include "CsvTestFiles.h"
#include "catalogue/Catalogue.h"
#include "channels/CsvChoice.h"
#include "channels/CsvRowCells.h"
#include "channels/CsvTexts.h"

namespace kvd {
namespace {

using CsvExchange::FileReading;
using CsvExchange::LocationListFault;
using CsvExchange::RowChoice;
using Fault = LocationListFault::Kind;

// Rows with Locations first..first+count-1 on 145.000 + n * 25 kHz; the Locations in
// `outside` lie outside the band.
FileReading List(int first, int count, std::set<int> outside = {}) {
    std::vector<test::ToolRow> rows;
    for (int location = first; location < first + count; ++location) {
        char frequency[16];
        std::snprintf(frequency, sizeof frequency, "%d.%03d", 145 + location / 40,
                      25 * (location % 40));
        rows.push_back({.location = std::to_string(location),
                        .name = "R" + std::to_string(location),
                        .frequency = outside.count(location) ? "440.000000" : frequency});
    }
    return CsvExchange::ReadFile(test::ToolFile(rows), test::VhfBand());
}

// The Locations of the placed channels 1..16, -1 for an empty one.
std::vector<int> Placed(const FileReading& reading, const RowChoice& choice) {
    const Channels channels = choice.place().channels;
    std::vector<int> locations;
    for (int number = 1; number <= Channels::kCount; ++number) {
        int location = -1;
        for (const CsvExchange::FileRow& row : reading.rows) {
            if (channels.has(number) && row.channel == channels[number]) {
                location = static_cast<int>(*row.location);
            }
        }
        locations.push_back(location);
    }
    return locations;
}

std::vector<std::size_t> Chosen(const RowChoice& choice, std::size_t rows) {
    std::vector<std::size_t> chosen;
    for (std::size_t row = 0; row < rows; ++row) {
        if (choice.isChosen(row)) {
            chosen.push_back(row);
        }
    }
    return chosen;
}

TEST(CsvChoice, TheFirstSixteenUsableRowsAreChosenAndGoInFileOrder) {
    // Locations 0..21, 2 and 5 outside the band.
    const FileReading reading = List(0, 22, {2, 5});
    ASSERT_EQ(reading.usableCount(), 20);
    RowChoice choice(reading);
    EXPECT_EQ(choice.count(), 16);
    EXPECT_EQ(Placed(reading, choice),
              (std::vector<int>{0, 1, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}));
    EXPECT_EQ(choice.leftOut(), (std::vector<std::size_t>{2, 5, 18, 19, 20, 21}));

    // Ticks as the dialog gives them: a seventeenth is refused, an unusable row too.
    EXPECT_EQ(choice.choose(21), RowChoice::Outcome::Full);
    EXPECT_EQ(choice.choose(2), RowChoice::Outcome::Unusable);
    EXPECT_EQ(choice.choose(22), RowChoice::Outcome::NoSuchRow);
    EXPECT_EQ(choice.choose(0), RowChoice::Outcome::Chosen) << "already chosen";
    choice.drop(0);
    choice.drop(0);
    EXPECT_EQ(choice.count(), 15);
    EXPECT_EQ(choice.choose(21), RowChoice::Outcome::Chosen);
    EXPECT_EQ(Placed(reading, choice),
              (std::vector<int>{1, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 21}));
    const CsvExchange::Placement placement = choice.place();
    EXPECT_EQ(placement.imported, 16);
    EXPECT_EQ(placement.moved, 0);
    choice.clear();
    EXPECT_EQ(choice.count(), 0);
    EXPECT_EQ(choice.place().channels, Channels());
}

// A list whose usable rows are all channels 1..16 keeps its numbers, also when rows are
// left out; one with any other Location is numbered in file order.
TEST(CsvChoice, ListsOfChannelNumbersKeepTheirNumbers) {
    const FileReading reading =
        CsvExchange::ReadFile(test::ToolFile({{.location = "9", .frequency = "145.5"},
                                              {.location = "3", .frequency = "146.5"},
                                              {.location = "17", .frequency = "440"},
                                              {.location = "16", .frequency = "147.5"}}),
                              test::VhfBand());
    ASSERT_TRUE(reading.keepsLocations()) << "Location 17 is unusable";
    RowChoice choice(reading);
    std::vector<int> expected(16, -1);
    expected[8] = 9;
    expected[2] = 3;
    expected[15] = 16;
    EXPECT_EQ(Placed(reading, choice), expected);
    choice.drop(1);
    expected[2] = -1;
    EXPECT_EQ(Placed(reading, choice), expected);

    const FileReading zero = List(0, 3);
    EXPECT_EQ(Placed(zero, RowChoice(zero)),
              (std::vector<int>{0, 1, 2, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}));
}

TEST(CsvChoice, ListsOfLocationsChooseTheirRowsInFileOrder) {
    const FileReading reading = List(0, 30, {25});
    RowChoice choice(reading);
    ASSERT_TRUE(ChooseByLocations(choice, reading, "20-22, 12,1-8").empty());
    EXPECT_EQ(Placed(reading, choice),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 12, 20, 21, 22, -1, -1, -1, -1}));
    ASSERT_TRUE(ChooseByLocations(choice, reading, "29,3,3-4,0").empty()) << "overlaps are fine";
    EXPECT_EQ(Chosen(choice, 30), (std::vector<std::size_t>{0, 3, 4, 29}));
    ASSERT_TRUE(ChooseByLocations(choice, reading, "0-15").empty()) << "sixteen";
    EXPECT_EQ(choice.count(), 16);
}

// Each kind of bad list is named, and the choice stays as it was.
TEST(CsvChoice, BadListsOfLocationsChangeNothing) {
    const FileReading reading = List(0, 30, {25, 26});
    struct Case {
        const char* list;
        std::vector<LocationListFault::Kind> kinds;
        std::string item;  // of the first fault
    };
    const Case cases[] = {
        {"", {Fault::Malformed}, ""},
        {"x", {Fault::Malformed}, "x"},
        {"1-", {Fault::Malformed}, "1-"},
        {"-3", {Fault::Malformed}, "-3"},
        {"1,,2", {Fault::Malformed}, ""},
        {"1,2,", {Fault::Malformed}, ""},
        {"1-2-3", {Fault::Malformed}, "1-2-3"},
        {"1;2", {Fault::Malformed}, "1;2"},
        {"12345678901234567890", {Fault::Malformed}, "12345678901234567890"},
        {"8-1", {Fault::Reversed}, "8-1"},
        {"1,99", {Fault::NoSuchLocation}, "99"},
        {"200-300,1", {Fault::EmptyRange}, "200-300"},
        {"24-26", {Fault::UnusableRow, Fault::UnusableRow}, ""},
        {"0-20", {Fault::TooMany}, ""},
        {"5-1,99,0-29",
         {Fault::Reversed, Fault::NoSuchLocation, Fault::UnusableRow, Fault::UnusableRow,
          Fault::TooMany},
         "5-1"},
    };
    for (const Case& c : cases) {
        RowChoice choice(reading);
        choice.drop(0);
        ASSERT_EQ(choice.count(), 15);
        const std::vector<LocationListFault> faults =
            CsvExchange::ChooseByLocations(choice, reading, c.list);
        std::vector<LocationListFault::Kind> kinds;
        for (const LocationListFault& fault : faults) {
            kinds.push_back(fault.kind);
        }
        EXPECT_EQ(kinds, c.kinds) << c.list;
        ASSERT_FALSE(faults.empty()) << c.list;
        EXPECT_EQ(faults[0].item, c.item) << c.list;
        EXPECT_EQ(choice.count(), 15) << c.list;
        EXPECT_FALSE(choice.isChosen(0)) << c.list;
    }
    RowChoice choice(reading);
    const auto unusable = ChooseByLocations(choice, reading, "26,25");
    ASSERT_EQ(unusable.size(), 2u);
    EXPECT_EQ(unusable[0].row, 25u) << "in file order";
    EXPECT_EQ(unusable[1].row, 26u);
    const auto many = ChooseByLocations(choice, reading, "0-16");
    ASSERT_EQ(many.size(), 1u);
    EXPECT_EQ(many[0].count, 17);
}

// A Location names one row: a second row with it is unusable and cannot be named.
TEST(CsvChoice, ALocationNamesTheFirstRowThatHasIt) {
    const FileReading reading =
        CsvExchange::ReadFile(test::ToolFile({{.location = "4", .frequency = "145.5"},
                                              {.location = "4", .frequency = "146.5"}}),
                              test::VhfBand());
    EXPECT_EQ(TextIn(CsvExchange::RowVerdict(reading.rows[1], test::VhfBand()), kEnglish),
              "an earlier row has the same Location (\"4\")");
    RowChoice choice(reading);
    EXPECT_TRUE(ChooseByLocations(choice, reading, "4").empty());
    EXPECT_EQ(Chosen(choice, 2), std::vector<std::size_t>{0});
}

// What a list of the rows shows: a usable row the channel it becomes, an unusable one the
// file's texts and the reason, in either language; how messages name a row.
TEST(CsvChoice, RowsAsAListShowsThem) {
    const std::string csv =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "RxDtcsCode,CrossMode,Mode\r\n"
        "1,\"Call, 2m\",146.5212,+,0.6,Cross,88.5,88.5,023,NR,754,Tone->DTCS,NFM\r\n"
        "2,Rev,146.52,,,TSQL-R,88.5,88.5,023,NN,023,,FM\r\n"
        "x,,146.52,off,,cross,,,,,,Tone->X,FM\r\n";
    const FileReading reading = CsvExchange::ReadFile(csv, test::VhfBand());
    ASSERT_EQ(reading.rows.size(), 3u);
    auto shown = [&](std::size_t row, LanguageId language) {
        const CsvExchange::RowCells c = CsvExchange::CellsOf(reading.rows[row], test::VhfBand());
        return c.location + "|" + c.name + "|" + c.frequency + "|" + c.transmit + "|" +
               TextIn(c.tones, language) + "|" + c.mode + "|" + TextIn(c.verdict, language);
    };
    EXPECT_EQ(shown(0, kEnglish), "1|Call, 2m|146.52000|147.12000|88.5 -> D754I|NFM|usable");
    EXPECT_EQ(shown(0, kChinese), "1|Call, 2m|146.52000|147.12000|88.5 -> D754I|NFM|可用");
    EXPECT_EQ(shown(1, kEnglish),
              "2|Rev|146.52||TSQL-R|FM|this radio cannot store reverse squelch (\"TSQL-R\")");
    EXPECT_EQ(shown(2, kChinese), "x||146.52|off|cross Tone->X|FM|信道号不是整数 (\"x\")");

    // The English row names, heading and message: the command line's stock-list tests.
    EXPECT_EQ(TextIn(CsvExchange::RowName(reading.rows[2]), kChinese), "第 4 行");
    const CsvExchange::Placement placement = RowChoice(reading).place();
    EXPECT_EQ(TextIn(CsvExchange::SuccessMessage(placement), kChinese),
              "已导入 1 个信道，2 个频率已调整到信道间隔。");
}

}  // namespace
}  // namespace kvd
