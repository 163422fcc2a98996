// Reading files the way the other programming tool and spreadsheets write them: every row
// gets a verdict, usable rows the channel a user expects.
#include <gtest/gtest.h>

#include "CsvTestFiles.h"
#include "catalogue/Catalogue.h"
#include "channels/CsvRows.h"
#include "channels/CsvTexts.h"
#include "channels/ToneList.h"

namespace kvd {
namespace {

using CsvExchange::FileProblem;
using CsvExchange::FileReading;
using CsvExchange::FileRow;
using CsvExchange::RowProblem;
using test::ToolRow;

std::string Tones(const Channel& c) {
    return TextIn(ToneText(c.txTone), kEnglish) + "/" + TextIn(ToneText(c.rxTone), kEnglish);
}

std::string Verdict(const FileRow& row) {
    return TextIn(CsvExchange::RowVerdict(row, test::VhfBand()), kEnglish);
}

FileReading Read(const std::string& csv) {
    return CsvExchange::ReadFile(csv, test::VhfBand());
}

// Every tone mode and every CrossMode the tool writes, with the tool's filler values in the
// columns a mode does not use; DtcsPolarity is transmit then receive.
TEST(CsvRows, EveryToneModeOfTheToolImportsAsWritten) {
    struct Case {
        ToolRow row;
        const char* tones;  // transmit/receive
    };
    const Case cases[] = {
        {{.tone = ""}, "Off/Off"},
        {{.tone = "Tone", .rTone = "100.0", .cTone = "123.0"}, "100.0/Off"},
        {{.tone = "TSQL", .rTone = "88.5", .cTone = "123.0"}, "123.0/123.0"},
        {{.tone = "DTCS", .dtcs = "025", .polarity = "NR", .rxDtcs = "754"}, "D025N/D025I"},
        {{.tone = "Cross", .rTone = "100.0", .cTone = "123.0", .cross = "Tone->Tone"},
         "100.0/123.0"},
        {{.tone = "Cross",
          .rTone = "100.0",
          .polarity = "NR",
          .rxDtcs = "032",
          .cross = "Tone->DTCS"},
         "100.0/D032I"},
        {{.tone = "Cross", .cTone = "77.0", .dtcs = "025", .polarity = "RN", .cross = "DTCS->Tone"},
         "D025I/77.0"},
        {{.tone = "Cross", .cTone = "77.0", .cross = "->Tone"}, "Off/77.0"},
        {{.tone = "Cross", .rxDtcs = "411", .cross = "->DTCS"}, "Off/D411N"},
        {{.tone = "Cross", .dtcs = "754", .cross = "DTCS->"}, "D754N/Off"},
        {{.tone = "Cross", .dtcs = "023", .polarity = "RR", .rxDtcs = "754", .cross = "DTCS->DTCS"},
         "D023I/D754I"},
        {{.tone = "Cross", .rTone = "67.0", .cTone = "254.1", .cross = "Tone->"}, "67.0/Off"},
        {{.tone = "cross", .rTone = "67.0", .cross = "tone->"}, "67.0/Off"},
    };
    for (const Case& c : cases) {
        ToolRow row = c.row;
        row.location = "1";
        row.frequency = "146.520000";
        const FileReading reading = Read(test::ToolFile({row}));
        ASSERT_EQ(reading.rows.size(), 1u) << c.tones;
        const FileRow& read = reading.rows[0];
        ASSERT_TRUE(read.usable()) << c.tones << ": " << Verdict(read);
        EXPECT_EQ(Tones(*read.channel), c.tones) << row.tone << " " << row.cross;
    }
}

// The radio squelches on a tone, never on its absence.
TEST(CsvRows, ReverseSquelchRowsAreUnusableWithTheirReason) {
    for (const char* mode : {"TSQL-R", "DTCS-R", "tsql-r"}) {
        const FileReading reading =
            Read(test::ToolFile({{.location = "4", .frequency = "146.52", .tone = mode}}));
        ASSERT_FALSE(reading.rows[0].usable()) << mode;
        EXPECT_EQ(reading.rows[0].fault->problem, RowProblem::ReverseSquelch);
        EXPECT_EQ(Verdict(reading.rows[0]),
                  "this radio cannot store reverse squelch (\"" + std::string(mode) + "\")");
    }
}

// Power holds watts: the nearer of the handheld's 5 W and 1 W, halfway (3 W) to High.
TEST(CsvRows, PowerInWattsOrWordsMapsToTheNearerLevel) {
    const std::pair<const char*, Power> levels[] = {
        {"50W", Power::High},        {"5.0W", Power::High},
        {"1.0W", Power::Low},        {"0.5", Power::Low},
        {"2W", Power::Low},          {"3W", Power::High},
        {"3.0", Power::High},        {"2.99W", Power::Low},
        {"2.999999999", Power::Low}, {"0W", Power::Low},
        {"03.5w", Power::High},      {"10", Power::High},
        {"5.0 W", Power::High},      {"", Power::High},
        {"High", Power::High},       {"LOW", Power::Low},
        {"h", Power::High},          {"L", Power::Low},
        {".5W", Power::Low},         {"100000000000000000000W", Power::High},
    };
    for (const auto& [power, level] : levels) {
        const FileReading reading =
            Read(test::ToolFile({{.location = "1", .frequency = "146.52", .power = power}}));
        ASSERT_TRUE(reading.rows[0].usable()) << power << ": " << Verdict(reading.rows[0]);
        EXPECT_EQ(reading.rows[0].channel->power, level) << power;
    }
    for (const char* power : {"-5W", "W", "5WW", "five", "5.0.0W", "Medium", "5 dBm"}) {
        const FileReading reading =
            Read(test::ToolFile({{.location = "1", .frequency = "146.52", .power = power}}));
        ASSERT_FALSE(reading.rows[0].usable()) << power;
        EXPECT_EQ(reading.rows[0].fault->problem, RowProblem::BadPower) << power;
    }
}

// A file as a spreadsheet saves it: byte-order mark, CRLF, quoted names with commas, quotes
// and a line break, columns in another order, a transmit frequency outside the band.
TEST(CsvRows, HandWrittenRowsWithQuotedNamesAndMixedLineEnds) {
    const std::string csv =
        "\xEF\xBB\xBF"
        "Frequency,Location,Power,\"Name\",Tone,rToneFreq,Mode,Duplex,Offset\r\n"
        "\"146.5200\",3,low,\"Calling, simplex\",Tone,100,NFM,,\r\n"
        "\r\n"
        "145.5312,1,High,\"say \"\"hi\"\"\",,,,,\r\n"
        "145.52,16,,\"two\r\nlines\",,,,,\n"
        "173.9,2,,\"Repeater, out\",,,,+,0.6\n";
    const FileReading reading = Read(csv);
    ASSERT_FALSE(reading.fault);
    ASSERT_EQ(reading.rows.size(), 4u);
    EXPECT_EQ(reading.rows[0].written.name, "Calling, simplex");
    EXPECT_EQ(reading.rows[1].written.name, "say \"hi\"");
    EXPECT_EQ(reading.rows[2].written.name, "two\r\nlines");
    EXPECT_EQ(reading.rows[1].line, 4) << "the blank line counts";
    EXPECT_EQ(reading.rows[3].line, 7) << "the quoted line break counts";
    EXPECT_EQ(reading.rows[0].channel->power, Power::Low);
    EXPECT_EQ(reading.rows[0].channel->bandwidth, Bandwidth::Narrow);
    EXPECT_EQ(Tones(*reading.rows[0].channel), "100.0/Off");
    EXPECT_EQ(reading.rows[1].moved, 2) << "145.5312 lands on 145.53000 for receive and transmit";
    EXPECT_EQ(reading.rows[2].channel->power, Power::High) << "missing power reads as high";
    EXPECT_EQ(Verdict(reading.rows[3]),
              "the frequency is outside the band 136-174MHz (\"174.500000\")");
    EXPECT_TRUE(reading.keepsLocations());
}

// One bad value makes its row unusable, names the value, and leaves the other rows alone.
TEST(CsvRows, BadValuesMakeTheirRowUnusableWithTheReason) {
    const std::string header =
        "Location,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "RxDtcsCode,CrossMode,Mode,Skip,Power\n";
    const std::string good = "1,145.000000,,,,,,,,,,FM,,High\n";
    struct Case {
        std::string row;
        RowProblem problem;
        std::string value;
    };
    const Case cases[] = {
        {"x,145,,,,,,,,,,FM,,High", RowProblem::BadLocation, "x"},
        {"-1,145,,,,,,,,,,FM,,High", RowProblem::BadLocation, "-1"},
        {"1.5,145,,,,,,,,,,FM,,High", RowProblem::BadLocation, "1.5"},
        {",145,,,,,,,,,,FM,,High", RowProblem::BadLocation, ""},
        {"1000000,145,,,,,,,,,,FM,,High", RowProblem::BadLocation, "1000000"},
        {"1,146,,,,,,,,,,FM,,High", RowProblem::DuplicateLocation, "1"},
        {"2,,,,,,,,,,,FM,,High", RowProblem::NoFrequency, ""},
        {"2,1.4.5,,,,,,,,,,FM,,High", RowProblem::BadFrequency, "1.4.5"},
        {"2,446.0,,,,,,,,,,FM,,High", RowProblem::OutOfBand, "446.000000"},
        {"2,173.5,+,0.6,,,,,,,,FM,,High", RowProblem::OutOfBand, "174.100000"},
        {"2,145,-,200,,,,,,,,FM,,High", RowProblem::OutOfBand, "-55.000000"},
        {"2,145,x,,,,,,,,,FM,,High", RowProblem::BadDuplex, "x"},
        {"2,145,+,abc,,,,,,,,FM,,High", RowProblem::BadOffset, "abc"},
        {"2,145,,,Tone,60.0,,,,,,FM,,High", RowProblem::ToneOutOfRange, "60.0"},
        {"2,145,,,TSQL,,254.2,,,,,FM,,High", RowProblem::ToneOutOfRange, "254.2"},
        {"2,145,,,DTCS,,,024,NN,,,FM,,High", RowProblem::BadDcsCode, "024"},
        {"2,145,,,Cross,,,,,9,->DTCS,FM,,High", RowProblem::BadDcsCode, "9"},
        {"2,145,,,DTCS,,,023,NX,,,FM,,High", RowProblem::BadPolarity, "NX"},
        {"2,145,,,Cross,,,,,,Tone->X,FM,,High", RowProblem::BadCrossMode, "Tone->X"},
        {"2,145,,,Sing,,,,,,,FM,,High", RowProblem::BadToneMode, "Sing"},
        {"2,145,,,,,,,,,,AM,,High", RowProblem::BadMode, "AM"},
        {"2,145,,,,,,,,,,FM,X,High", RowProblem::BadSkip, "X"},
        {"2,145,,,,,,,,,,FM,,Max", RowProblem::BadPower, "Max"},
        // Numbers that fit no integer, or no frequency, are refused, not overflowed.
        {"2,99999999999999999999,,,,,,,,,,FM,,High", RowProblem::NumberTooLarge,
         "99999999999999999999"},
        {"2,1000000.5,,,,,,,,,,FM,,High", RowProblem::NumberTooLarge, "1000000.5"},
        {"2,145,+,99999999999999999999,,,,,,,,FM,,High", RowProblem::NumberTooLarge,
         "99999999999999999999"},
        {"2,145,split,9223372036854775807,,,,,,,,FM,,High", RowProblem::NumberTooLarge,
         "9223372036854775807"},
        {"2,145,-,999999.999999,,,,,,,,FM,,High", RowProblem::OutOfBand, "-999854.999999"},
        {"2,145,,,Tone,99999999999999999999.5,,,,,,FM,,High", RowProblem::ToneOutOfRange,
         "99999999999999999999.5"},
    };
    for (const Case& c : cases) {
        const FileReading reading = Read(header + good + c.row + "\n");
        ASSERT_EQ(reading.rows.size(), 2u) << c.row;
        EXPECT_TRUE(reading.rows[0].usable()) << c.row;
        const FileRow& bad = reading.rows[1];
        ASSERT_FALSE(bad.usable()) << c.row;
        EXPECT_EQ(bad.fault->problem, c.problem) << c.row;
        EXPECT_EQ(bad.fault->value, c.value) << c.row;
        EXPECT_EQ(bad.line, 3) << c.row;
        EXPECT_EQ(bad.moved, 0) << c.row;
        EXPECT_FALSE(TextIn(CsvExchange::RowVerdict(bad, test::VhfBand()), kChinese).empty());
    }
}

// A polarity only counts where a DCS code is read.
TEST(CsvRows, PolarityMattersOnlyForDcs) {
    const FileReading reading = Read(
        test::ToolFile({{.location = "1", .frequency = "146.52", .tone = "Tone", .polarity = "??"},
                        {.location = "2",
                         .frequency = "146.52",
                         .tone = "Cross",
                         .polarity = "nr",
                         .rxDtcs = "23",
                         .cross = "Tone->DTCS"}}));
    EXPECT_TRUE(reading.rows[0].usable()) << Verdict(reading.rows[0]);
    ASSERT_TRUE(reading.rows[1].usable()) << Verdict(reading.rows[1]);
    EXPECT_EQ(Tones(*reading.rows[1].channel), "88.5/D023I");
}

TEST(CsvRows, FilesThatCannotBeReadAtAll) {
    struct Case {
        std::string csv;
        FileProblem problem;
        int line;
        std::string message;
    };
    const Case cases[] = {
        {"", FileProblem::NoHeader, 1,
         "Line 1: there is no \"Location\" and \"Frequency\" column. The channel list is "
         "unchanged."},
        {"Name,Comment\nx,y\n", FileProblem::NoHeader, 1, ""},
        {"Location,Frequency\n1,145\n2,\"145\n", FileProblem::UnclosedQuote, 3,
         "Line 3: a quote is never closed. The channel list is unchanged."},
        {"Location,Frequency,Power,power\n1,145,High,Low\n", FileProblem::DuplicateColumn, 1,
         "Line 1: the same column appears twice (\"power\"). The channel list is unchanged."},
        {"Location,Frequency, Power ,Power\n", FileProblem::DuplicateColumn, 1, ""},
    };
    for (const Case& c : cases) {
        const FileReading reading = Read(c.csv);
        ASSERT_TRUE(reading.fault) << c.csv;
        EXPECT_EQ(reading.fault->problem, c.problem) << c.csv;
        EXPECT_EQ(reading.fault->line, c.line) << c.csv;
        EXPECT_TRUE(reading.rows.empty());
        if (!c.message.empty()) {
            EXPECT_EQ(TextIn(CsvExchange::FileFaultMessage(*reading.fault), kEnglish), c.message);
        }
    }
    EXPECT_EQ(
        TextIn(CsvExchange::FileFaultMessage({FileProblem::DuplicateColumn, 1, "power"}), kChinese),
        "第 1 行：同一列出现两次 (\"power\")。信道列表没有改变。");
    EXPECT_TRUE(Read("Location,Frequency,,\n1,145,,\n").rows[0].usable())
        << "unnamed columns are no names";
    EXPECT_TRUE(Read("Location,Frequency\n").rows.empty()) << "a header alone has no rows";
}

// Whatever a field holds, the reason shows it on one line, escaped, at most 40 characters.
TEST(CsvRows, ReasonsQuoteFieldsEscapedAndCut) {
    const std::pair<std::string, std::string> cases[] = {
        {"1\x1B[2J", "(\"1\\x1B[2J\")"},
        {std::string("\"a\nb\0c\"", 7), "(\"a\\nb\\0c\")"},
        {std::string(3 << 20, '7') + "x", "(\"" + std::string(40, '7') + "\"…)"},
    };
    for (const auto& [field, shown] : cases) {
        const FileReading reading = Read("Location,Frequency\n1," + field + "\n");
        ASSERT_FALSE(reading.rows[0].usable());
        const std::string reason = Verdict(reading.rows[0]);
        EXPECT_NE(reason.find(shown), std::string::npos) << reason;
        EXPECT_LT(reason.size(), 150u);
        EXPECT_EQ(reason.find_first_of(std::string("\n\x1B\0", 3)), std::string::npos);
    }
}

}  // namespace
}  // namespace kvd
