#include "channels/CsvTexts.h"

#include <map>

#include "channels/BandSelection.h"
#include "channels/BandTable.h"
#include "channels/CsvChoice.h"
#include "channels/CsvRows.h"
#include "image/QuotedText.h"

namespace kvd::CsvExchange {

namespace {

const std::map<FileProblem, LocalText> kFileReasons = {
    {FileProblem::NoHeader,
     {"没有“Location”和“Frequency”列", "there is no \"Location\" and \"Frequency\" column"}},
    {FileProblem::UnclosedQuote, {"引号没有结束", "a quote is never closed"}},
    {FileProblem::DuplicateColumn, {"同一列出现两次", "the same column appears twice"}},
};

const std::map<RowProblem, LocalText> kRowReasons = {
    {RowProblem::BadLocation, {"信道号不是整数", "the Location is not a whole number"}},
    {RowProblem::DuplicateLocation,
     {"前面已有相同信道号的行", "an earlier row has the same Location"}},
    {RowProblem::NoFrequency, {"没有频率", "there is no frequency"}},
    {RowProblem::BadFrequency, {"频率不是数字", "the frequency is not a number"}},
    {RowProblem::NumberTooLarge,
     {"数值太大，不可能是频率", "the number is too large to be a frequency"}},
    {RowProblem::OutOfBand, {"频率超出频段范围", "the frequency is outside the band"}},
    {RowProblem::BadDuplex, {"Duplex 值无效", "the Duplex value is not \"\", +, -, split or off"}},
    {RowProblem::BadOffset, {"Offset 不是数字", "the Offset is not a number"}},
    {RowProblem::BadToneMode,
     {"Tone 值无效", "the Tone value is not \"\", Tone, TSQL, DTCS or Cross"}},
    {RowProblem::ReverseSquelch,
     {"本机不能存储反向静噪", "this radio cannot store reverse squelch"}},
    {RowProblem::BadCrossMode, {"CrossMode 值无效", "the CrossMode value is not known"}},
    {RowProblem::ToneOutOfRange,
     {"亚音频超出 67.0 到 254.1 Hz", "the CTCSS tone is outside 67.0 to 254.1 Hz"}},
    {RowProblem::BadDcsCode,
     {"数字亚音码不在列表中", "the DCS code is not one this radio can carry"}},
    {RowProblem::BadPolarity, {"DtcsPolarity 值无效", "the DtcsPolarity is not NN, NR, RN or RR"}},
    {RowProblem::BadMode, {"Mode 只能是 FM 或 NFM", "the Mode is not FM or NFM"}},
    {RowProblem::BadSkip, {"Skip 只能为空、S 或 P", "the Skip value is not empty, S or P"}},
    {RowProblem::BadPower,
     {"Power 只能是 High、Low 或瓦数", "the Power is not High, Low or watts"}},
};

std::string Quoted(const std::string& value) {
    return value.empty() ? "" : " (" + QuotedText(value) + ")";
}

// %1: how many.
constexpr LocalText kLeftOut{"%1 行没有导入：", "%1 rows were left out:"};

}  // namespace

std::string FileFaultMessage(const FileFault& fault, LanguageId language) {
    const std::string reason = kFileReasons.at(fault.problem).pick(language);
    const std::string line = std::to_string(fault.line);
    if (language == kChinese) {
        return "第 " + line + " 行：" + reason + Quoted(fault.value) + "。信道列表没有改变。";
    }
    return "Line " + line + ": " + reason + Quoted(fault.value) +
           ". The channel list is unchanged.";
}

std::string RowReason(const RowFault& fault, const BandSelection& band, LanguageId language) {
    std::string reason = kRowReasons.at(fault.problem).pick(language);
    if (fault.problem == RowProblem::OutOfBand) {
        reason += std::string(" ") + BandTable::At(band.position()).text;
    }
    return reason + Quoted(fault.value);
}

std::string RowVerdict(const FileRow& row, const BandSelection& band, LanguageId language) {
    return row.fault ? RowReason(*row.fault, band, language) : kUsable.pick(language);
}

std::string RowName(const FileRow& row, LanguageId language) {
    const std::string line = std::to_string(row.line);
    std::string name = language == kChinese ? "第 " + line + " 行" : "Line " + line;
    if (row.location) {  // another Location shows in the row's reason
        name +=
            (language == kChinese ? "，信道号 " : ", Location ") + std::to_string(*row.location);
    }
    if (!row.written.name.empty()) {
        name += " " + QuotedText(row.written.name);
    }
    return name;
}

std::string LeftOutLine(const FileRow& row, const std::string& reason, LanguageId language) {
    return RowName(row, language) + (language == kChinese ? "：" : ": ") + reason;
}

std::string LeftOutHeading(int count, LanguageId language) {
    std::string text = kLeftOut.pick(language);
    return text.replace(text.find("%1"), 2, std::to_string(count));
}

std::string SuccessMessage(const Placement& placement, LanguageId language) {
    const std::string imported = std::to_string(placement.imported);
    const std::string moved = std::to_string(placement.moved);
    if (language == kChinese) {
        return "已导入 " + imported + " 个信道，" + moved + " 个频率已调整到信道间隔。";
    }
    return "Imported " + imported + " channels; " + moved +
           " frequencies were moved onto the channel raster.";
}

}  // namespace kvd::CsvExchange
