#include "channels/CsvExchange.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

#include "channels/BandSelection.h"
#include "channels/BandTable.h"
#include "channels/CellEditRules.h"
#include "channels/Csv.h"
#include "channels/Raster.h"
#include "channels/ToneList.h"
#include "image/QuotedText.h"

namespace kvd::CsvExchange {

namespace {

const std::vector<std::string> kHeader = {
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};

// ---- tones ----

// A tone as the format sees it; a word of the DCS ranges without a code of its own counts as
// the code its text shows.
struct CsvTone {
    enum Kind { None, Ctcss, Dcs } kind = None;
    int tenths = 0;         // CTCSS
    int code = 0;           // DCS, 0..511
    bool inverted = false;  // DCS
    bool operator==(const CsvTone&) const = default;
};

CsvTone CsvToneOf(Tone tone) {
    switch (tone.kind()) {
        case Tone::Kind::None:
            return {};
        case Tone::Kind::Ctcss:
            return {CsvTone::Ctcss, tone.ctcssTenths(), 0, false};
        case Tone::Kind::Dcs:
        case Tone::Kind::OtherWord:
            return {CsvTone::Dcs, 0, tone.dcsCode(), tone.polarity() == Tone::Polarity::Inverted};
    }
    return {};
}

Tone ToneOf(const CsvTone& t) {
    switch (t.kind) {
        case CsvTone::None:
            return {};
        case CsvTone::Ctcss:
            return Tone::Ctcss(static_cast<std::uint16_t>(t.tenths));
        case CsvTone::Dcs:
            return Tone::Dcs(static_cast<std::uint16_t>(t.code),
                             t.inverted ? Tone::Polarity::Inverted : Tone::Polarity::Normal);
    }
    return {};
}

std::string CtcssText(int tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string DcsText(int code) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%03o", static_cast<unsigned>(code & 0x1FF));
    return buffer;
}

// ---- frequencies, in Hz ----

// Whole MHz digits of a frequency or an offset: beyond them a number is no frequency of any
// radio, and in Hz it would no longer fit the arithmetic.
constexpr std::size_t kLargestWholeDigits = 6;

bool TooLong(const std::string& rounded) {
    return rounded.find('.') > kLargestWholeDigits;
}

std::optional<long long> ParseHz(std::string_view text) {
    std::optional<std::string> rounded = RoundDecimalText(text, 6);
    if (!rounded || TooLong(*rounded)) {
        return std::nullopt;
    }
    std::string digits = *rounded;
    digits.erase(digits.find('.'), 1);
    return std::stoll(digits);
}

std::string MHz6(long long hz) {
    char buffer[32];
    const long long size = hz < 0 ? -hz : hz;
    std::snprintf(buffer, sizeof buffer, "%s%lld.%06lld", hz < 0 ? "-" : "", size / 1000000,
                  size % 1000000);
    return buffer;
}

// A frequency in Hz, when its digits are all decimal.
std::optional<long long> HzOf(Frequency f) {
    return f.isDecimal() ? std::optional<long long>(10LL * f.tens()) : std::nullopt;
}

// ---- export ----

struct ToneColumns {
    std::string mode, rTone = "88.5", cTone = "88.5", dtcs = "023", polarity = "NN", rxDtcs = "023",
                      cross = "Tone->Tone";
};

char PolarityOf(const CsvTone& t) {
    return t.kind == CsvTone::Dcs && t.inverted ? 'R' : 'N';
}

ToneColumns ExportTones(const CsvTone& tx, const CsvTone& rx) {
    ToneColumns c;
    c.polarity = std::string{PolarityOf(tx), PolarityOf(rx)};
    if (tx.kind == CsvTone::Ctcss)
        c.rTone = CtcssText(tx.tenths);
    if (rx.kind == CsvTone::Ctcss)
        c.cTone = CtcssText(rx.tenths);
    if (tx.kind == CsvTone::Dcs)
        c.dtcs = DcsText(tx.code);
    if (rx.kind == CsvTone::Dcs)
        c.rxDtcs = DcsText(rx.code);

    if (tx.kind == CsvTone::None && rx.kind == CsvTone::None) {
        c.mode = "";
    } else if (tx.kind == CsvTone::Ctcss && rx.kind == CsvTone::None) {
        c.mode = "Tone";
    } else if (tx.kind == CsvTone::Ctcss && rx == tx) {
        c.mode = "TSQL";
        c.cTone = c.rTone;
    } else if (tx.kind == CsvTone::Dcs && rx.kind == CsvTone::Dcs && tx.code == rx.code) {
        c.mode = "DTCS";
        c.rxDtcs = c.dtcs;
    } else {
        static const std::map<std::pair<int, int>, const char*> kCross = {
            {{CsvTone::Ctcss, CsvTone::Ctcss}, "Tone->Tone"},
            {{CsvTone::Ctcss, CsvTone::Dcs}, "Tone->DTCS"},
            {{CsvTone::Dcs, CsvTone::Ctcss}, "DTCS->Tone"},
            {{CsvTone::None, CsvTone::Ctcss}, "->Tone"},
            {{CsvTone::None, CsvTone::Dcs}, "->DTCS"},
            {{CsvTone::Dcs, CsvTone::None}, "DTCS->"},
            {{CsvTone::Dcs, CsvTone::Dcs}, "DTCS->DTCS"}};
        c.mode = "Cross";
        c.cross = kCross.at({tx.kind, rx.kind});
    }
    return c;
}

std::vector<std::string> ExportRow(const Channel& c, int row) {
    const std::optional<long long> rx = HzOf(c.rx);
    const std::optional<long long> tx = c.tx ? HzOf(*c.tx) : std::nullopt;
    std::string frequency = rx ? MHz6(*rx) : FrequencyText(c.rx);
    std::string duplex, offset = "0.000000";
    if (!c.tx) {
        duplex = "off";
    } else if (!rx || !tx) {
        duplex = "split";  // a frequency that is no decimal number goes out as it stands
        offset = tx ? MHz6(*tx) : FrequencyText(c.tx);
    } else if (*tx != *rx) {
        duplex = *tx > *rx ? "+" : "-";
        offset = MHz6(*tx > *rx ? *tx - *rx : *rx - *tx);
    }
    ToneColumns tones = ExportTones(CsvToneOf(c.txTone), CsvToneOf(c.rxTone));
    bool narrow = c.bandwidth == Bandwidth::Narrow;
    bool low = c.power == Power::Low;
    bool scanned = c.scanAdd == ScanAdd::Yes;
    bool on5kHz = rx && *rx % 5000 == 0;
    return {std::to_string(row),
            "",
            frequency,
            duplex,
            offset,
            tones.mode,
            tones.rTone,
            tones.cTone,
            tones.dtcs,
            tones.polarity,
            tones.rxDtcs,
            tones.cross,
            narrow ? "NFM" : "FM",
            on5kHz ? "5.00" : "6.25",
            scanned ? "" : "S",
            low ? "Low" : "High",
            "",
            "",
            "",
            "",
            ""};
}

// ---- import ----

std::string Trimmed(std::string s) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.back()))
        s.pop_back();
    std::size_t start = 0;
    while (start < s.size() && blank(s[start]))
        ++start;
    return s.substr(start);
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// Field access by column name; a missing column reads as its default.
class RowReader {
public:
    explicit RowReader(const std::vector<std::string>& header) {
        for (std::size_t i = 0; i < header.size(); ++i) {
            std::string name = Trimmed(header[i]);
            if (!columns_.emplace(Lower(name), i).second && !name.empty() && duplicate_.empty()) {
                duplicate_ = name;
            }
        }
    }
    bool has(const std::string& name) const { return columns_.count(Lower(name)) > 0; }
    // The first column name that comes twice (in any case), empty when none does.
    const std::string& duplicate() const { return duplicate_; }
    std::string get(const Csv::Row& row, const std::string& name,
                    const std::string& fallback = "") const {
        auto it = columns_.find(Lower(name));
        if (it == columns_.end()) {
            return fallback;
        }
        return it->second < row.fields.size() ? Trimmed(row.fields[it->second]) : std::string();
    }

private:
    std::map<std::string, std::size_t> columns_;
    std::string duplicate_;
};

struct Failure {
    ImportError error;
};

[[noreturn]] void Fail(ImportError::Kind kind, int line, const std::string& value) {
    throw Failure{{kind, line, value}};
}

CsvTone CtcssField(const std::string& text, int line) {
    std::optional<std::string> rounded = RoundDecimalText(text, 1);
    if (!rounded || rounded->size() > std::string_view("254.1").size()) {
        Fail(ImportError::ToneOutOfRange, line, text);
    }
    int tenths = static_cast<int>(std::lround(LeadingNumber(*rounded) * 10));
    if (tenths < 670 || tenths > 2541) {
        Fail(ImportError::ToneOutOfRange, line, text);
    }
    return {CsvTone::Ctcss, tenths, 0, false};
}

CsvTone DcsField(const std::string& text, char polarity, int line) {
    std::string code = text;
    if (code.empty() || code.size() > 3 ||
        code.find_first_not_of("01234567") != std::string::npos) {
        Fail(ImportError::BadDcsCode, line, text);
    }
    code.insert(0, 3 - code.size(), '0');
    const auto value = static_cast<std::uint16_t>(std::strtol(code.c_str(), nullptr, 8));
    if (ToneList::PositionOf(Tone::Dcs(value, Tone::Polarity::Normal)) < 0) {
        Fail(ImportError::BadDcsCode, line, text);
    }
    return {CsvTone::Dcs, 0, value, polarity == 'R'};
}

// (transmit, receive) tones of a row.
std::pair<CsvTone, CsvTone> ImportTones(const RowReader& r, const Csv::Row& row) {
    int line = row.line;
    std::string mode = r.get(row, "Tone");
    std::string polarity = r.get(row, "DtcsPolarity");
    if (polarity.empty()) {
        polarity = "NN";
    }
    if (polarity.size() != 2 || polarity.find_first_not_of("NR") != std::string::npos) {
        if (mode == "DTCS" || mode == "Cross") {
            Fail(ImportError::BadPolarity, line, polarity);
        }
        polarity = "NN";
    }
    auto rTone = [&] { return CtcssField(r.get(row, "rToneFreq"), line); };
    auto cTone = [&] { return CtcssField(r.get(row, "cToneFreq"), line); };
    auto txDcs = [&] { return DcsField(r.get(row, "DtcsCode"), polarity[0], line); };
    if (mode.empty())
        return {CsvTone{}, CsvTone{}};
    if (mode == "Tone")
        return {rTone(), CsvTone{}};
    if (mode == "TSQL")
        return {cTone(), cTone()};
    if (mode == "DTCS")
        return {txDcs(), DcsField(r.get(row, "DtcsCode"), polarity[1], line)};
    if (mode != "Cross") {
        Fail(ImportError::BadToneMode, line, mode);
    }
    auto rxDcs = [&] { return DcsField(r.get(row, "RxDtcsCode"), polarity[1], line); };
    std::string cross = r.get(row, "CrossMode");
    if (cross == "Tone->Tone")
        return {rTone(), cTone()};
    if (cross == "Tone->DTCS")
        return {rTone(), rxDcs()};
    if (cross == "DTCS->Tone")
        return {txDcs(), cTone()};
    if (cross == "->Tone")
        return {CsvTone{}, cTone()};
    if (cross == "->DTCS")
        return {CsvTone{}, rxDcs()};
    if (cross == "DTCS->")
        return {txDcs(), CsvTone{}};
    if (cross == "DTCS->DTCS")
        return {txDcs(), rxDcs()};
    Fail(ImportError::BadCrossMode, line, cross);
}

// A frequency or offset field in Hz: `notANumber` when it is none, NumberTooLarge when it
// has more digits than a frequency can have.
long long HzField(const std::string& text, ImportError::Kind notANumber, int line) {
    std::optional<std::string> rounded = RoundDecimalText(text, 6);
    if (!rounded) {
        Fail(notANumber, line, text);
    }
    if (TooLong(*rounded)) {
        Fail(ImportError::NumberTooLarge, line, text);
    }
    return *ParseHz(*rounded);
}

// A frequency in Hz checked against the band and snapped as the editor does.
Frequency BandFrequency(long long hz, const BandSelection& band, int line, int& moved) {
    if (hz < 0) {
        Fail(ImportError::OutOfBand, line, MHz6(hz));
    }
    long long tens = (hz + 5) / 10;
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%05lld", tens / 100000, tens % 100000);
    CellEditRules::CheckedFrequency checked = CellEditRules::CheckFrequency(text, band);
    if (checked.status != CellEditRules::FrequencyCommit::Written) {
        Fail(ImportError::OutOfBand, line, MHz6(hz));
    }
    if (HzOf(checked.snapped) != hz) {
        ++moved;
    }
    return checked.snapped;
}

// Transmit frequency in Hz, or nullopt for "off".
std::optional<long long> TransmitHz(const RowReader& r, const Csv::Row& row, long long rx) {
    std::string duplex = Lower(r.get(row, "Duplex"));
    if (duplex == "off") {
        return std::nullopt;
    }
    if (duplex.empty()) {
        return rx;
    }
    if (duplex != "+" && duplex != "-" && duplex != "split") {
        Fail(ImportError::BadDuplex, row.line, r.get(row, "Duplex"));
    }
    std::string offsetText = r.get(row, "Offset");
    long long offset = HzField(offsetText.empty() && duplex != "split" ? "0" : offsetText,
                               ImportError::BadOffset, row.line);
    if (duplex == "+")
        return rx + offset;
    if (duplex == "-")
        return rx - offset;
    return offset;
}

int ChoiceField(const RowReader& r, const Csv::Row& row, const char* column, const char* fallback,
                ImportError::Kind kind, const std::map<std::string, int>& values) {
    std::string text = r.get(row, column);
    if (text.empty()) {
        text = fallback;
    }
    auto it = values.find(Lower(text));
    if (it == values.end()) {
        Fail(kind, row.line, text);
    }
    return it->second;
}

void ImportRow(const RowReader& r, const Csv::Row& row, const BandSelection& band,
               ImportResult& result, std::array<bool, 17>& used) {
    std::string frequencyText = r.get(row, "Frequency");
    if (frequencyText.empty()) {
        return;  // a location without a channel
    }
    std::string location = r.get(row, "Location");
    char* end = nullptr;
    long channel = std::strtol(location.c_str(), &end, 10);
    if (location.empty() || *end != '\0' || channel < 1 || channel > Channels::kCount) {
        Fail(ImportError::BadLocation, row.line, location);
    }
    if (used[channel]) {
        Fail(ImportError::DuplicateLocation, row.line, location);
    }
    used[channel] = true;
    const long long rxHz = HzField(frequencyText, ImportError::BadFrequency, row.line);
    std::optional<long long> txHz = TransmitHz(r, row, rxHz);
    auto [txTone, rxTone] = ImportTones(r, row);
    int wide = ChoiceField(r, row, "Mode", "FM", ImportError::BadMode, {{"fm", 1}, {"nfm", 0}});
    int scan = ChoiceField(r, row, "Skip", "", ImportError::BadSkip, {{"", 1}, {"p", 1}, {"s", 0}});
    int power = ChoiceField(r, row, "Power", "High", ImportError::BadPower,
                            {{"high", 1}, {"low", 0}, {"", 1}});

    Channel c;
    c.rx = BandFrequency(rxHz, band, row.line, result.moved);
    if (txHz) {
        c.tx = BandFrequency(*txHz, band, row.line, result.moved);
    }
    c.rxTone = ToneOf(rxTone);
    c.txTone = ToneOf(txTone);
    c.power = power == 0 ? Power::Low : Power::High;
    c.busyLock = BusyLock::Off;  // the format has no busy-channel lockout
    c.bandwidth = wide == 0 ? Bandwidth::Narrow : Bandwidth::Wide;
    c.scanAdd = scan == 0 ? ScanAdd::No : ScanAdd::Yes;
    result.channels[static_cast<int>(channel)] = c;
    ++result.imported;
}

}  // namespace

std::string Export(const Channels& channels) {
    std::string out = Csv::FormatRow(kHeader);
    for (int row = 1; row <= Channels::kCount; ++row) {
        if (channels.has(row)) {
            out += Csv::FormatRow(ExportRow(*channels[row], row));
        }
    }
    return out;
}

ImportResult Import(std::string_view csv, const BandSelection& band) {
    ImportResult result;
    std::vector<Csv::Row> rows;
    int badLine = 0;
    if (!Csv::Parse(csv, rows, badLine)) {
        result.error = ImportError{ImportError::UnclosedQuote, badLine, {}};
        return result;
    }
    if (rows.empty()) {
        result.error = ImportError{ImportError::NoHeader, 1, {}};
        return result;
    }
    RowReader reader(rows.front().fields);
    if (!reader.duplicate().empty()) {
        result.error =
            ImportError{ImportError::DuplicateColumn, rows.front().line, reader.duplicate()};
        return result;
    }
    if (!reader.has("Location") || !reader.has("Frequency")) {
        result.error = ImportError{ImportError::NoHeader, rows.front().line, {}};
        return result;
    }
    std::array<bool, 17> used{};
    try {
        for (std::size_t i = 1; i < rows.size(); ++i) {
            ImportRow(reader, rows[i], band, result, used);
        }
    } catch (const Failure& failure) {
        result.error = failure.error;
    }
    return result;
}

std::string Describe(const ImportError& e, const BandSelection& band, LanguageId language) {
    static const std::map<ImportError::Kind, LocalText> kReasons = {
        {ImportError::NoHeader,
         {"没有“Location”和“Frequency”列", "there is no \"Location\" and \"Frequency\" column"}},
        {ImportError::UnclosedQuote, {"引号没有结束", "a quote is never closed"}},
        {ImportError::BadLocation,
         {"信道号不在 1 到 16 之间", "the location is not a channel from 1 to 16"}},
        {ImportError::DuplicateLocation, {"信道号重复", "the channel appears twice"}},
        {ImportError::BadFrequency, {"频率不是数字", "the frequency is not a number"}},
        {ImportError::OutOfBand, {"频率超出频段范围", "the frequency is outside the band"}},
        {ImportError::BadDuplex,
         {"Duplex 值无效", "the Duplex value is not \"\", +, -, split or off"}},
        {ImportError::BadOffset, {"Offset 不是数字", "the Offset is not a number"}},
        {ImportError::BadToneMode,
         {"Tone 值无效", "the Tone value is not \"\", Tone, TSQL, DTCS or Cross"}},
        {ImportError::BadCrossMode, {"CrossMode 值无效", "the CrossMode value is not known"}},
        {ImportError::ToneOutOfRange,
         {"亚音频超出 67.0 到 254.1 Hz", "the CTCSS tone is outside 67.0 to 254.1 Hz"}},
        {ImportError::BadDcsCode,
         {"数字亚音码不在列表中", "the DCS code is not one this radio can carry"}},
        {ImportError::BadPolarity,
         {"DtcsPolarity 值无效", "the DtcsPolarity is not NN, NR, RN or RR"}},
        {ImportError::BadMode, {"Mode 只能是 FM 或 NFM", "the Mode is not FM or NFM"}},
        {ImportError::BadSkip, {"Skip 只能为空或 S", "the Skip value is not empty or S"}},
        {ImportError::BadPower, {"Power 只能是 High 或 Low", "the Power is not High or Low"}},
        {ImportError::NumberTooLarge,
         {"数值太大，不可能是频率", "the number is too large to be a frequency"}},
        {ImportError::DuplicateColumn, {"同一列出现两次", "the same column appears twice"}},
    };
    const char* reason = kReasons.at(e.kind).pick(language);
    std::string value = e.value.empty() ? "" : " (" + QuotedText(e.value) + ")";
    if (e.kind == ImportError::OutOfBand) {
        value = std::string(" ") + BandTable::At(band.position()).text + value;
    }
    if (language == kChinese) {
        return "第 " + std::to_string(e.line) + " 行：" + reason + value + "。信道列表没有改变。";
    }
    return "Line " + std::to_string(e.line) + ": " + reason + value +
           ". The channel list is unchanged.";
}

std::string DescribeSuccess(const ImportResult& r, LanguageId language) {
    if (language == kChinese) {
        return "已导入 " + std::to_string(r.imported) + " 个信道，" + std::to_string(r.moved) +
               " 个频率已调整到信道间隔。";
    }
    return "Imported " + std::to_string(r.imported) + " channels; " + std::to_string(r.moved) +
           " frequencies were moved onto the channel raster.";
}

}  // namespace kvd::CsvExchange
