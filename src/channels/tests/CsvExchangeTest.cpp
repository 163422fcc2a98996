// Export, read back by the same reader and checked column by column as the other tool reads
// them: all 21 columns, power in watts, the simplest tone mode, names CH01..CH16.
#include <gtest/gtest.h>

#include <cmath>

#include "../../image/tests/TestStates.h"
#include "CsvTestFiles.h"
#include "catalogue/Catalogue.h"
#include "channels/Csv.h"
#include "channels/CsvChoice.h"
#include "channels/CsvExchange.h"
#include "channels/CsvTexts.h"
#include "channels/ToneList.h"

namespace kvd {
namespace {

// A tone by its text in the list, else a CTCSS value typed by hand.
Tone ToneFrom(const std::string& text) {
    for (int position = 0; position < ToneList::kCount; ++position) {
        if (TextIn(ToneList::Text(position), kEnglish) == text) {
            return ToneList::At(position);
        }
    }
    return Tone::Ctcss(static_cast<std::uint16_t>(std::lround(std::stod(text) * 10)));
}

struct CsvExport : ::testing::Test {
    // Choices power, bandwidth, scan add; busy lock is "Off", the only value the format has.
    void Channel(int row, const char* rx, const char* tx, const char* rxTone, const char* txTone,
                 std::array<int, 3> choices = {1, 1, 1}) {
        kvd::Channel c = test::MakeChannel(rx, tx, 0, 0, {choices[0], 1, choices[1], choices[2]});
        c.rxTone = ToneFrom(rxTone);
        c.txTone = *txTone ? ToneFrom(txTone) : Tone();
        channels[row] = c;
    }
    Channels channels;
    BandSelection band = test::VhfBand();
};

TEST_F(CsvExport, EveryToneModeSurvivesExportAndImport) {
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
    Channel(11, "150.00000", "150.00000", "D026N", "D031I");         // DTCS->DTCS, RN
    Channel(12, "151.00000", "", "Off", "");                         // off: no transmit
    Channel(16, "151.00000", "", "Off", "D032N");  // a transmit tone without transmit
    channels[2]->busyLock = BusyLock::Carrier;

    const std::string csv = CsvExchange::Export(channels);
    const CsvExchange::FileReading reading = CsvExchange::ReadFile(csv, band);
    ASSERT_FALSE(reading.fault) << csv;
    EXPECT_EQ(reading.usableCount(), 13);
    EXPECT_TRUE(reading.keepsLocations());
    const CsvExchange::Placement placement = CsvExchange::RowChoice(reading).place();
    EXPECT_EQ(placement.imported, 13);
    EXPECT_EQ(placement.moved, 0);
    channels[2]->busyLock = BusyLock::Off;  // the format cannot carry the busy-channel lockout
    EXPECT_TRUE(placement.channels == channels) << csv;
    std::vector<Csv::Row> rows;
    int bad = 0;
    ASSERT_TRUE(Csv::Parse(csv, rows, bad));
    for (const Csv::Row& row : rows) {
        EXPECT_EQ(row.fields.size(), 21u) << "line " << row.line << " has the format's columns";
    }

    struct Expected {
        int number;
        const char* columns;  // Duplex..Power
    };
    const Expected expected[] = {
        {1, ",0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W"},
        {2, "+,0.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,S,1.0W"},
        {3, "-,0.600000,TSQL,100.0,100.0,023,NN,023,Tone->Tone,FM,6.25,,5.0W"},
        {4, "+,10.000000,DTCS,88.5,88.5,023,NR,023,Tone->Tone,FM,5.00,,5.0W"},
        {5, ",0.000000,Cross,254.1,67.0,023,NN,023,Tone->Tone,FM,5.00,,5.0W"},
        {6, ",0.000000,Cross,71.9,88.5,023,NN,754,Tone->DTCS,FM,5.00,,5.0W"},
        {7, ",0.000000,Cross,88.5,150.0,115,RN,023,DTCS->Tone,FM,5.00,,5.0W"},
        {8, ",0.000000,Cross,88.5,77.0,023,NN,023,->Tone,FM,5.00,,5.0W"},
        {9, ",0.000000,Cross,88.5,88.5,023,NN,025,->DTCS,FM,5.00,,5.0W"},
        {10, ",0.000000,Cross,88.5,88.5,025,RN,023,DTCS->,FM,5.00,,5.0W"},
        {11, ",0.000000,Cross,88.5,88.5,031,RN,026,DTCS->DTCS,FM,5.00,,5.0W"},
        {12, "off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W"},
    };
    for (const Expected& e : expected) {
        char start[32];
        std::snprintf(start, sizeof start, "\r\n%d,CH%02d,", e.number, e.number);
        const std::size_t at = csv.find(start);
        ASSERT_NE(at, std::string::npos) << e.number << csv;
        EXPECT_NE(csv.find(e.columns, at), std::string::npos) << e.number << "\n" << csv;
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
