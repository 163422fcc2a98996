#include "image/ChannelRecord.h"

#include "channels/ChannelTable.h"
#include "channels/ChoiceLists.h"
#include "channels/ToneList.h"
#include "image/ByteMap.h"
#include "image/ImageFields.h"

namespace kvd {

namespace {

using Col = ChannelTable::Column;
namespace R = ByteMap::Record;

constexpr std::uint16_t kNoTone = 0xFFFF;

std::span<const std::uint8_t, 4> Four(std::span<const std::uint8_t, 16> r, std::size_t at) {
    return r.subspan(at).first<4>();
}

std::uint16_t Word(std::span<const std::uint8_t, 16> r, std::size_t at) {
    return static_cast<std::uint16_t>(r[at] | (r[at + 1] << 8));
}

void SetTone(ChannelTable& table, int row, int column, std::uint16_t word, LanguageId language) {
    if (word == kNoTone) {
        table.setCell(row, column, ToneList::kOff.pick(language));
        table.setChoiceIndex(row, column, 0);
        return;
    }
    std::string text = ToneText(word);
    table.setChoiceIndex(row, column, static_cast<std::int16_t>(ToneList::PositionForCell(text)));
    table.setCell(row, column, std::move(text));
}

void SetChoice(ChannelTable& table, int row, int column, int position, LanguageId language) {
    table.setCell(row, column, ChoiceLists::Text(column, position, language));
    table.setChoiceIndex(row, column, static_cast<std::int16_t>(position));
}

void RenderTone(const std::string& text, std::span<std::uint8_t, 16> r, std::size_t at) {
    std::uint16_t word = ToneWord(text);
    r[at] = static_cast<std::uint8_t>(word & 0xFF);
    r[at + 1] = static_cast<std::uint8_t>(word >> 8);
}

}  // namespace

void ParseChannelRecord(std::span<const std::uint8_t, 16> r, int row, LanguageId language,
                        ChannelTable& table) {
    std::string rx = ParseFrequency(Four(r, R::kRxFrequency));
    if (rx.empty()) {
        for (int column = Col::kRxFrequency; column <= Col::kScanAdd; ++column) {
            table.setCell(row, column, {});
        }
        return;
    }
    table.setCell(row, Col::kRxFrequency, rx);
    std::string tx = ParseFrequency(Four(r, R::kTxFrequency));
    bool hasTx = !tx.empty();
    table.setCell(row, Col::kTxFrequency, std::move(tx));

    SetTone(table, row, Col::kRxTone, Word(r, R::kRxTone), language);
    std::uint16_t txTone = Word(r, R::kTxTone);
    if (txTone == kNoTone && !hasTx) {
        table.setCell(row, Col::kTxTone, {});
    } else {
        SetTone(table, row, Col::kTxTone, txTone, language);
    }
    SetChoice(table, row, Col::kBusyLock, (r[R::kBusyLock] >> 3) & 1, language);
    SetChoice(table, row, Col::kBandwidth, (r[R::kPowerBandwidth] >> 4) & 1, language);
    SetChoice(table, row, Col::kPower, (r[R::kPowerBandwidth] >> 5) & 1, language);
}

void RenderChannelRecord(const ChannelTable& table, int row, std::span<std::uint8_t, 16> r) {
    RenderFrequency(table.cell(row, Col::kRxFrequency), r.subspan<R::kRxFrequency, 4>());
    RenderFrequency(table.cell(row, Col::kTxFrequency), r.subspan<R::kTxFrequency, 4>());
    RenderTone(table.cell(row, Col::kRxTone), r, R::kRxTone);
    RenderTone(table.cell(row, Col::kTxTone), r, R::kTxTone);
    // Entry 0 of a choice list clears its bit; entry 1, empty or anything else sets it.
    auto isFirstEntry = [&](int column) {
        return ChoiceLists::Position(column, table.cell(row, column)) == 0;
    };
    r[R::kBusyLock] = isFirstEntry(Col::kBusyLock) ? 0xF0 : 0xF8;
    r[R::kPowerBandwidth] = static_cast<std::uint8_t>(
        0xC0 | (isFirstEntry(Col::kPower) ? 0 : 0x20) | (isFirstEntry(Col::kBandwidth) ? 0 : 0x10));
    r[R::kReserved1] = 0xFC;
    r[R::kReserved2] = 0xFF;
}

}  // namespace kvd
