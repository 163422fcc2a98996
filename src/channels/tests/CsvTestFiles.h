#pragma once

#include <string>
#include <vector>

#include "channels/BandSelection.h"
#include "channels/Channel.h"
#include "channels/CsvRows.h"

namespace kvd::test {

// One row as the other programming tool writes it: every column, frequencies with six
// decimals, the defaults it fills into tone columns a mode does not use, watts in Power.
struct ToolRow {
    std::string location = {};
    std::string name = {};
    std::string frequency = {};
    std::string duplex = {};
    std::string offset = "0.000000";
    std::string tone = {};
    std::string rTone = "88.5";
    std::string cTone = "88.5";
    std::string dtcs = "023";
    std::string polarity = "NN";
    std::string rxDtcs = "023";
    std::string cross = "Tone->Tone";
    std::string mode = "FM";
    std::string skip = {};
    std::string power = "50W";
};

// Header and rows with CRLF line ends, joined by hand (names need no quotes here).
inline std::string ToolFile(const std::vector<ToolRow>& rows) {
    std::string file =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";
    for (const ToolRow& r : rows) {
        for (const std::string& field :
             {r.location, r.name, r.frequency, r.duplex, r.offset, r.tone, r.rTone, r.cTone, r.dtcs,
              r.polarity, r.rxDtcs, r.cross, r.mode, std::string("5.00"), r.skip, r.power}) {
            file += field + ",";
        }
        file += ",,,,\r\n";
    }
    return file;
}

// The band list at 136-174 MHz, where the tests' lists lie.
inline BandSelection VhfBand() {
    BandSelection band;
    band.TakeBand(5);
    return band;
}

}  // namespace kvd::test
