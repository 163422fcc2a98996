// Time of one decode and one encode of a fully programmed image.
#include <cstdio>

#include "BenchTimer.h"
#include "channels/ToneList.h"
#include "image/ChannelFile.h"
#include "image/ImageCodec.h"
#include "image/RadioState.h"

using namespace kvd;

namespace {

RadioState FullState() {
    RadioState s = StartupState(kChinese);
    s.band.TakeBand(5);
    for (int number = 1; number <= Channels::kCount; ++number) {
        Channel c;
        c.rx = Frequency::FromTens(14500000 + static_cast<std::uint32_t>(number) * 625);
        c.tx = c.rx;
        c.rxTone = ToneList::At(number * 7);
        c.txTone = ToneList::At(number * 13);
        c.power = number % 2 ? Power::High : Power::Low;
        c.busyLock = number % 2 ? BusyLock::Off : BusyLock::Carrier;
        c.bandwidth = number % 2 ? Bandwidth::Wide : Bandwidth::Narrow;
        c.scanAdd = number % 2 ? ScanAdd::Yes : ScanAdd::No;
        s.channels[number] = c;
    }
    s.settings.embeddedInfo = {"KVD-270 programmed by bench", "second line"};
    return s;
}

}  // namespace

int main() {
    const RadioState source = FullState();
    const MemoryImage bytes = EncodeImage(source);
    RadioState target = source;

    std::printf("memory image codec, 848 bytes, 16 channels programmed\n");
    bench::Measure("DecodeImage", 20000, [&] { DecodeImage(bytes, target); });
    bench::Measure("EncodeImage", 20000, [&] { bench::Keep(EncodeImage(source)); });
    bench::Measure("decode + encode", 20000, [&] {
        DecodeImage(bytes, target);
        bench::Keep(EncodeImage(target));
    });
    const std::string file = ChannelFile::Render(source);
    bench::Measure("open channel file bytes", 20000, [&] { ChannelFile::OpenBytes(file, target); });
    return 0;
}
