#include "sim/DemoImage.h"

#include "channels/BandTable.h"
#include "channels/ToneList.h"
#include "image/ImageCodec.h"
#include "image/RadioState.h"

namespace kvd::sim {

namespace {
constexpr int kDemoChannels = 4;
constexpr std::uint32_t kSpacing = 2500;  // 25 kHz between channels, in units of 10 Hz
}  // namespace

MemoryImage DemoImage(int band) {
    RadioState state = StartupState(kEnglish);
    state.band.TakeBand(band);
    const auto base =
        static_cast<std::uint32_t>(BandTable::LowMHz(state.band.position()) * 100000L + 100000L);
    for (int number = 1; number <= kDemoChannels; ++number) {
        Channel channel;
        channel.rx = Frequency::FromTens(base + kSpacing * static_cast<std::uint32_t>(number - 1));
        channel.tx = channel.rx;
        channel.rxTone = channel.txTone = ToneList::At(number == 1 ? 0 : number);
        channel.power = Power::High;
        channel.busyLock = BusyLock::Off;
        channel.bandwidth = Bandwidth::Wide;
        channel.scanAdd = ScanAdd::Yes;
        state.channels[number] = channel;
    }
    state.settings.embeddedInfo = {"KVD-270 VIRTUAL RADIO", ""};
    return EncodeImage(state);
}

}  // namespace kvd::sim
