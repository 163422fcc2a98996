#include "sim/DemoImage.h"

#include <cstdio>

#include "channels/BandTable.h"
#include "channels/ChoiceLists.h"
#include "channels/ToneList.h"
#include "image/ImageCodec.h"
#include "image/RadioState.h"

namespace kvd::sim {

namespace {
constexpr int kDemoChannels = 4;
constexpr long kSpacing = 2500;  // 25 kHz between channels, in units of 10 Hz
}  // namespace

MemoryImage DemoImage(int band) {
    RadioState state = StartupState(kEnglish);
    state.band.TakeBand(band);
    using Col = ChannelTable::Column;
    const long base = BandTable::LowMHz(state.band.position()) * 100000L + 100000L;
    for (int row = 1; row <= kDemoChannels; ++row) {
        long tens = base + kSpacing * (row - 1);
        char frequency[32];
        std::snprintf(frequency, sizeof frequency, "%03ld.%05ld", tens / 100000, tens % 100000);
        state.table.setCell(row, Col::kRxFrequency, frequency);
        state.table.setCell(row, Col::kTxFrequency, frequency);
        state.table.setCell(row, Col::kRxTone, ToneList::Text(row == 1 ? 0 : row, kEnglish));
        state.table.setCell(row, Col::kTxTone, ToneList::Text(row == 1 ? 0 : row, kEnglish));
        for (int column = Col::kPower; column <= Col::kScanAdd; ++column) {
            state.table.setCell(row, column, ChoiceLists::Text(column, 1, kEnglish));
        }
    }
    state.settings.EmbeddedInfo = {"KVD-270 VIRTUAL RADIO", ""};
    return EncodeImageBytes(state);
}

}  // namespace kvd::sim
