#pragma once

#include <string>

#include "channels/Tone.h"

// The tone columns of a row: Tone (the mode), rToneFreq, cToneFreq, DtcsCode, DtcsPolarity
// (transmit then receive), RxDtcsCode and CrossMode.
namespace kvd::CsvExchange {

struct ToneColumns {
    std::string mode;
    std::string rTone = "88.5";
    std::string cTone = "88.5";
    std::string dtcs = "023";
    std::string polarity = "NN";
    std::string rxDtcs = "023";
    std::string cross = "Tone->Tone";
};

// The simplest columns that say exactly what a channel transmits and receives. A word of the
// DCS ranges without a code of its own goes out as the code its text shows.
ToneColumns ExportTones(Tone transmit, Tone receive);

struct ChannelTones {
    Tone transmit;
    Tone receive;
};

// The tones a row's columns give. Throws RowFault when the mode is unknown, a value is no
// tone, or the radio cannot store it (reverse squelch, an unlisted DCS code).
ChannelTones ImportTones(const ToneColumns& columns);

}  // namespace kvd::CsvExchange
