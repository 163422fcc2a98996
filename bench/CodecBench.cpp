// Time of one decode and one encode of a fully programmed image.
#include <cstdio>

#include "BenchTimer.h"
#include "channels/ChoiceLists.h"
#include "channels/ToneList.h"
#include "image/ChannelFile.h"
#include "image/ImageCodec.h"
#include "image/RadioState.h"

using namespace kvd;

namespace {

RadioState FullState() {
    RadioState s;
    ApplyStartupDefaults(s);
    s.band.TakeBand(5);
    for (int row = 1; row <= 16; ++row) {
        char frequency[16];
        std::snprintf(frequency, sizeof frequency, "%03d.%05d", 145, row * 625);
        s.table.setCell(row, 1, frequency);
        s.table.setCell(row, 3, frequency);
        s.table.setCell(row, 2, ToneList::Text(row * 7, s.flags.Language));
        s.table.setCell(row, 4, ToneList::Text(row * 13, s.flags.Language));
        for (int column = 5; column <= 8; ++column) {
            s.table.setCell(row, column, ChoiceLists::Text(column, row % 2, s.flags.Language));
        }
    }
    s.settings.EmbeddedInfo = {"KVD-270 programmed by bench", "second line"};
    return s;
}

}  // namespace

int main() {
    RadioState source = FullState();
    const std::string text = EncodeImage(source);
    const MemoryImage bytes = EncodeImageBytes(source);
    RadioState target = source;

    std::printf("memory image codec, 848 bytes, 16 channels programmed\n");
    bench::Measure("DecodeImage (image text)", 2000, [&] { DecodeImage(text, target); });
    bench::Measure("DecodeImageBytes", 2000, [&] { DecodeImageBytes(bytes, target); });
    bench::Measure("EncodeImage (image text)", 2000, [&] { bench::Keep(EncodeImage(source)); });
    bench::Measure("EncodeImageBytes", 2000, [&] { bench::Keep(EncodeImageBytes(source)); });
    const std::string file = ChannelFile::Render(source);
    bench::Measure("open channel file bytes", 2000, [&] { ChannelFile::OpenBytes(file, target); });
    return 0;
}
