#include "channels/CsvTones.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "channels/Csv.h"
#include "channels/CsvFaults.h"
#include "channels/Raster.h"
#include "channels/ToneList.h"

namespace kvd::CsvExchange {

namespace {

enum class Kind { None, Ctcss, Dcs };

struct CrossMode {
    const char* name;
    Kind transmit;
    Kind receive;
};

// Every CrossMode of the format; the radio stores any pair of tones.
constexpr CrossMode kCrossModes[] = {
    {"Tone->Tone", Kind::Ctcss, Kind::Ctcss}, {"Tone->DTCS", Kind::Ctcss, Kind::Dcs},
    {"DTCS->Tone", Kind::Dcs, Kind::Ctcss},   {"->Tone", Kind::None, Kind::Ctcss},
    {"->DTCS", Kind::None, Kind::Dcs},        {"DTCS->", Kind::Dcs, Kind::None},
    {"DTCS->DTCS", Kind::Dcs, Kind::Dcs},     {"Tone->", Kind::Ctcss, Kind::None},
};

// Tone modes whose receive side squelches on the absence of the tone.
constexpr const char* kReverseModes[] = {"tsql-r", "dtcs-r"};

constexpr int kLowestTenths = 670;
constexpr int kHighestTenths = 2541;

Kind KindOf(Tone tone) {
    switch (tone.kind()) {
        case Tone::Kind::None:
            return Kind::None;
        case Tone::Kind::Ctcss:
            return Kind::Ctcss;
        case Tone::Kind::Dcs:
        case Tone::Kind::OtherWord:
            return Kind::Dcs;
    }
    return Kind::None;
}

std::string CtcssText(Tone tone) {
    const int tenths = tone.ctcssTenths();
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string DcsText(Tone tone) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%03o", static_cast<unsigned>(tone.dcsCode()));
    return buffer;
}

char PolarityLetter(Tone tone) {
    return KindOf(tone) == Kind::Dcs && tone.polarity() == Tone::Polarity::Inverted ? 'R' : 'N';
}

// Same code, either polarity: DTCS mode carries a polarity per direction.
bool SameDcsCode(Tone a, Tone b) {
    return KindOf(a) == Kind::Dcs && KindOf(b) == Kind::Dcs && a.dcsCode() == b.dcsCode();
}

Tone CtcssField(const std::string& text) {
    std::optional<std::string> rounded = RoundDecimalText(text, 1);
    if (!rounded || rounded->size() > std::string_view("254.1").size()) {
        throw RowFault{RowProblem::ToneOutOfRange, text};
    }
    const int tenths = static_cast<int>(std::lround(LeadingNumber(*rounded) * 10));
    if (tenths < kLowestTenths || tenths > kHighestTenths) {
        throw RowFault{RowProblem::ToneOutOfRange, text};
    }
    return Tone::Ctcss(static_cast<std::uint16_t>(tenths));
}

// A DCS code of up to three octal digits that the tone list holds.
Tone DcsField(const std::string& code, char polarity) {
    if (code.empty() || code.size() > 3 ||
        code.find_first_not_of("01234567") != std::string::npos) {
        throw RowFault{RowProblem::BadDcsCode, code};
    }
    const auto value = static_cast<std::uint16_t>(std::strtol(code.c_str(), nullptr, 8));
    if (ToneList::PositionOf(Tone::Dcs(value, Tone::Polarity::Normal)) < 0) {
        throw RowFault{RowProblem::BadDcsCode, code};
    }
    return Tone::Dcs(value, polarity == 'R' ? Tone::Polarity::Inverted : Tone::Polarity::Normal);
}

// Reads the columns a mode needs, and only those: a row without DCS may leave DtcsPolarity
// anything.
class ToneReader {
public:
    explicit ToneReader(const ToneColumns& columns) : c_(columns) {}

    Tone transmit(Kind kind) const {
        return kind == Kind::Ctcss ? CtcssField(c_.rTone)
               : kind == Kind::Dcs ? DcsField(c_.dtcs, polarity(0))
                                   : Tone();
    }
    Tone receive(Kind kind) const {
        return kind == Kind::Ctcss ? CtcssField(c_.cTone)
               : kind == Kind::Dcs ? DcsField(c_.rxDtcs, polarity(1))
                                   : Tone();
    }
    ChannelTones tsql() const { return {CtcssField(c_.cTone), CtcssField(c_.cTone)}; }
    ChannelTones dtcs() const {
        return {DcsField(c_.dtcs, polarity(0)), DcsField(c_.dtcs, polarity(1))};
    }

private:
    // 'N' or 'R' of DtcsPolarity, transmit (0) or receive (1); empty reads as NN.
    char polarity(int side) const {
        std::string letters = c_.polarity.empty() ? "NN" : c_.polarity;
        std::transform(letters.begin(), letters.end(), letters.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        if (letters.size() != 2 || letters.find_first_not_of("NR") != std::string::npos) {
            throw RowFault{RowProblem::BadPolarity, c_.polarity};
        }
        return letters[static_cast<std::size_t>(side)];
    }

    const ToneColumns& c_;
};

}  // namespace

ToneColumns ExportTones(Tone transmit, Tone receive) {
    ToneColumns c;
    c.polarity = std::string{PolarityLetter(transmit), PolarityLetter(receive)};
    const Kind tx = KindOf(transmit);
    const Kind rx = KindOf(receive);
    if (tx == Kind::Ctcss)
        c.rTone = CtcssText(transmit);
    if (rx == Kind::Ctcss)
        c.cTone = CtcssText(receive);
    if (tx == Kind::Dcs)
        c.dtcs = DcsText(transmit);
    if (rx == Kind::Dcs)
        c.rxDtcs = DcsText(receive);

    if (tx == Kind::None && rx == Kind::None) {
        c.mode = "";
    } else if (tx == Kind::Ctcss && rx == Kind::None) {
        c.mode = "Tone";
    } else if (tx == Kind::Ctcss && receive == transmit) {
        c.mode = "TSQL";
        c.cTone = c.rTone;
    } else if (SameDcsCode(transmit, receive)) {
        c.mode = "DTCS";
        c.rxDtcs = c.dtcs;
    } else {
        c.mode = "Cross";
        c.cross =
            std::find_if(std::begin(kCrossModes), std::end(kCrossModes), [&](const CrossMode& m) {
                return m.transmit == tx && m.receive == rx;
            })->name;
    }
    return c;
}

ChannelTones ImportTones(const ToneColumns& columns) {
    const ToneReader read(columns);
    const std::string mode = Csv::Lowered(columns.mode);
    if (mode.empty())
        return {};
    if (mode == "tone")
        return {read.transmit(Kind::Ctcss), Tone()};
    if (mode == "tsql")
        return read.tsql();
    if (mode == "dtcs")
        return read.dtcs();
    for (const char* reverse : kReverseModes) {
        if (mode == reverse) {
            throw RowFault{RowProblem::ReverseSquelch, columns.mode};
        }
    }
    if (mode != "cross") {
        throw RowFault{RowProblem::BadToneMode, columns.mode};
    }
    const std::string cross = Csv::Lowered(columns.cross);
    for (const CrossMode& m : kCrossModes) {
        if (cross == Csv::Lowered(m.name)) {
            return {read.transmit(m.transmit), read.receive(m.receive)};
        }
    }
    throw RowFault{RowProblem::BadCrossMode, columns.cross};
}

}  // namespace kvd::CsvExchange
