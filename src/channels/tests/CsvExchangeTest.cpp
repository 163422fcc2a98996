#include <gtest/gtest.h>

#include <cmath>
#include "../../image/tests/TestStates.h"
#include "channels/BandSelection.h"

#include "channels/Csv.h"
#include "channels/CsvExchange.h"
#include "channels/ToneList.h"

namespace kvd {
namespace {

using CsvExchange::ImportError;

// A tone by its text in the list, else a CTCSS value typed by hand.
Tone ToneFrom(const std::string& text) {
    for (int position = 0; position < ToneList::kCount; ++position) {
        if (ToneList::Text(position, kEnglish) == text) {
            return ToneList::At(position);
        }
    }
    return Tone::Ctcss(static_cast<std::uint16_t>(std::lround(std::stod(text) * 10)));
}

struct CsvFixture : ::testing::Test {
    CsvFixture() {
        band.CurrentBand = 5;
        band.Select(5, channels, nullptr);  // 136-174MHz
    }
    // Choices power, bandwidth, scan add; busy lock is "Off", the only value the format has.
    void Channel(int row, const char* rx, const char* tx, const char* rxTone, const char* txTone,
                 std::array<int, 3> choices = {1, 1, 1}) {
        kvd::Channel c = test::MakeChannel(rx, tx, 0, 0, {choices[0], 1, choices[1], choices[2]});
        c.rxTone = ToneFrom(rxTone);
        c.txTone = *txTone ? ToneFrom(txTone) : Tone();
        channels[row] = c;
    }
    CsvExchange::ImportResult Import(const std::string& csv) {
        return CsvExchange::Import(csv, band);
    }

    Channels channels;
    BandSelection band;
};

TEST_F(CsvFixture, EveryToneModeSurvivesExportAndImport) {
    Channel(1, "145.50000", "145.50000", "Off", "Off");              // no tone
    Channel(2, "145.52500", "146.12500", "Off", "88.5", {0, 0, 0});  // Tone, +, low, NFM, S
    Channel(3, "145.53125", "144.93125", "100.0", "100.0");          // TSQL, -, 6.25 kHz
    Channel(4, "150.00000", "160.00000", "D023I", "D023N");          // DTCS, polarity NR
    Channel(5, "150.00000", "150.00000", "67.0", "254.1");           // Tone->Tone
    Channel(6, "150.00000", "150.00000", "D754N", "71.9");           // Tone->DTCS
    Channel(7, "150.00000", "150.00000", "150.0", "D115I");          // DTCS->Tone, unlisted
    Channel(8, "150.00000", "150.00000", "77.0", "Off");             // ->Tone
    Channel(9, "150.00000", "150.00000", "D025N", "Off");            // ->DTCS
    Channel(10, "150.00000", "150.00000", "Off", "D025I");           // DTCS->
    Channel(11, "150.00000", "150.00000", "D026N", "D031I");         // DTCS->DTCS
    Channel(12, "151.00000", "", "Off", "");                         // off: no transmit
    Channel(16, "151.00000", "", "Off", "D032N");  // a transmit tone without transmit
    channels[2]->busyLock = BusyLock::Carrier;

    std::string csv = CsvExchange::Export(channels);
    auto result = Import(csv);
    ASSERT_FALSE(result.error) << CsvExchange::Describe(*result.error, band, kEnglish) << csv;
    EXPECT_EQ(result.imported, 13);
    EXPECT_EQ(result.moved, 0);
    channels[2]->busyLock = BusyLock::Off;  // the format cannot carry the busy-channel lockout
    EXPECT_TRUE(result.channels == channels) << csv;
    EXPECT_NE(
        csv.find("2,,145.525000,+,0.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,S,Low"),
        std::string::npos)
        << csv;
    EXPECT_NE(csv.find("4,,150.000000,+,10.000000,DTCS,88.5,88.5,023,NR,023,"), std::string::npos)
        << csv;
}

TEST_F(CsvFixture, HandWrittenFilesImportAsAUserExpects) {
    const std::string csv =
        "\xEF\xBB\xBF"
        "Frequency,Location,Power,\"Name\",Tone,rToneFreq,Mode\r\n"
        "\"146.5200\",3,low,\"Calling, simplex\",Tone,100,NFM\r\n"
        "\r\n"
        "145.5312,1,High,\"say \"\"hi\"\"\",,,\r\n"
        "145.52,16,,,,,\n";
    auto result = Import(csv);
    ASSERT_FALSE(result.error) << CsvExchange::Describe(*result.error, band, kEnglish);
    EXPECT_EQ(result.imported, 3);
    EXPECT_EQ(result.moved, 2) << "145.5312 lands on 145.53000 for receive and transmit";
    EXPECT_EQ(test::RowText(result.channels, 3, kEnglish),
              "03|146.52000|Off|146.52000|100.0|Low|Off|Narrow|Have");
    EXPECT_EQ(test::RowText(result.channels, 1, kEnglish),
              "01|145.53000|Off|145.53000|Off|Hight|Off|Wide|Have");
    EXPECT_EQ(result.channels[16]->power, Power::High) << "missing power reads as high";
    EXPECT_FALSE(result.channels.has(2));
    EXPECT_EQ(CsvExchange::DescribeSuccess(result, kEnglish),
              "Imported 3 channels; 2 frequencies were moved onto the channel raster.");
}

TEST_F(CsvFixture, BadFilesNameTheLineAndTheReason) {
    const std::string header =
        "Location,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "RxDtcsCode,CrossMode,Mode,Skip,Power\n";
    const std::string good = "1,145.000000,,,,,,,,,,FM,,High\n";
    struct Case {
        std::string row;
        ImportError::Kind kind;
    };
    const Case cases[] = {
        {"17,145,,,,,,,,,,FM,,High", ImportError::BadLocation},
        {"x,145,,,,,,,,,,FM,,High", ImportError::BadLocation},
        {"1,146,,,,,,,,,,FM,,High", ImportError::DuplicateLocation},
        {"2,1.4.5,,,,,,,,,,FM,,High", ImportError::BadFrequency},
        {"2,446.0,,,,,,,,,,FM,,High", ImportError::OutOfBand},
        {"2,173.5,+,0.6,,,,,,,,FM,,High", ImportError::OutOfBand},
        {"2,145,x,,,,,,,,,FM,,High", ImportError::BadDuplex},
        {"2,145,+,abc,,,,,,,,FM,,High", ImportError::BadOffset},
        {"2,145,,,Tone,60.0,,,,,,FM,,High", ImportError::ToneOutOfRange},
        {"2,145,,,TSQL,,254.2,,,,,FM,,High", ImportError::ToneOutOfRange},
        {"2,145,,,DTCS,,,024,NN,,,FM,,High", ImportError::BadDcsCode},
        {"2,145,,,DTCS,,,023,NX,,,FM,,High", ImportError::BadPolarity},
        {"2,145,,,Cross,,,,,,Tone->X,FM,,High", ImportError::BadCrossMode},
        {"2,145,,,Sing,,,,,,,FM,,High", ImportError::BadToneMode},
        {"2,145,,,,,,,,,,AM,,High", ImportError::BadMode},
        {"2,145,,,,,,,,,,FM,X,High", ImportError::BadSkip},
        {"2,145,,,,,,,,,,FM,,5.0W", ImportError::BadPower},
        {"2,\"145,,,,,,,,,,FM,,High", ImportError::UnclosedQuote},
        // Numbers that fit no integer, or no frequency, are refused, not overflowed.
        {"2,99999999999999999999,,,,,,,,,,FM,,High", ImportError::NumberTooLarge},
        {"2,9999999999999999999,,,,,,,,,,FM,,High", ImportError::NumberTooLarge},
        {"2,1000000.5,,,,,,,,,,FM,,High", ImportError::NumberTooLarge},
        {"2,145,+,99999999999999999999,,,,,,,,FM,,High", ImportError::NumberTooLarge},
        {"2,145,split,9223372036854775807,,,,,,,,FM,,High", ImportError::NumberTooLarge},
        {"2,145,-,999999.999999,,,,,,,,FM,,High", ImportError::OutOfBand},
        {"2,145,,,Tone,99999999999999999999.5,,,,,,FM,,High", ImportError::ToneOutOfRange},
        {"99999999999999999999,145,,,,,,,,,,FM,,High", ImportError::BadLocation},
    };
    for (const Case& c : cases) {
        auto result = Import(header + good + c.row + "\n");
        ASSERT_TRUE(result.error) << c.row;
        EXPECT_EQ(result.error->kind, c.kind) << c.row;
        EXPECT_EQ(result.error->line, 3) << c.row;
        std::string message = CsvExchange::Describe(*result.error, band, kEnglish);
        EXPECT_EQ(message.rfind("Line 3: ", 0), 0u) << message;
        EXPECT_FALSE(CsvExchange::Describe(*result.error, band, kChinese).empty());
    }
    auto negative = Import(header + "2,145,-,200,,,,,,,,FM,,High\n");
    EXPECT_NE(CsvExchange::Describe(*negative.error, band, kEnglish).find("(\"-55.000000\")"),
              std::string::npos);
    EXPECT_EQ(Import("").error->kind, ImportError::NoHeader);
    EXPECT_EQ(Import("Name,Comment\nx,y\n").error->kind, ImportError::NoHeader);
    EXPECT_FALSE(Import(header).error) << "a header alone is an empty channel list";
}

// A column named twice would leave it to chance which one counts.
TEST_F(CsvFixture, AColumnNamedTwiceIsRefusedByName) {
    for (auto [header, name] : {std::pair{"Location,Frequency,Power,power", "power"},
                                {"Location,Frequency, Power ,Power", "Power"}}) {
        auto result = Import(std::string(header) + "\n1,145,High,Low\n");
        ASSERT_TRUE(result.error) << header;
        EXPECT_EQ(result.error->kind, ImportError::DuplicateColumn);
        EXPECT_EQ(result.error->line, 1);
        EXPECT_EQ(CsvExchange::Describe(*result.error, band, kEnglish),
                  "Line 1: the same column appears twice (\"" + std::string(name) +
                      "\"). The channel list is unchanged.");
        EXPECT_NE(CsvExchange::Describe(*result.error, band, kChinese).find("同一列出现两次"),
                  std::string::npos);
    }
    EXPECT_FALSE(Import("Location,Frequency,,\n1,145,,\n").error) << "unnamed columns are no names";
}

// Whatever a field holds, the message shows it on one line, escaped, at most 40 characters.
TEST_F(CsvFixture, MessagesQuoteFieldsEscapedAndCut) {
    const std::pair<std::string, std::string> cases[] = {
        {"1\x1B[2J", "(\"1\\x1B[2J\")"},
        {std::string("\"a\nb\0c\"", 7), "(\"a\\nb\\0c\")"},
        {std::string(3 << 20, '7') + "x", "(\"" + std::string(40, '7') + "\"…)"},
    };
    for (const auto& [field, shown] : cases) {
        auto result = Import("Location,Frequency\n1," + field + "\n");
        ASSERT_TRUE(result.error);
        std::string message = CsvExchange::Describe(*result.error, band, kEnglish);
        EXPECT_NE(message.find(shown), std::string::npos) << message;
        EXPECT_LT(message.size(), 150u);
        EXPECT_EQ(message.find_first_of(std::string("\n\x1B\0", 3)), std::string::npos);
    }
}

TEST(Csv, QuotingBothWays) {
    std::string row = Csv::FormatRow({"a", "b,c", "say \"x\"", "line\nbreak", ""});
    EXPECT_EQ(row, "a,\"b,c\",\"say \"\"x\"\"\",\"line\nbreak\",\r\n");
    std::vector<Csv::Row> rows;
    int bad = 0;
    ASSERT_TRUE(Csv::Parse(row + "next,row", rows, bad));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].fields,
              (std::vector<std::string>{"a", "b,c", "say \"x\"", "line\nbreak", ""}));
    EXPECT_EQ(rows[1].line, 3) << "the quoted line break counts";
    EXPECT_FALSE(Csv::Parse("a,\"b\nc", rows, bad));
    EXPECT_EQ(bad, 1);
}

}  // namespace
}  // namespace kvd
