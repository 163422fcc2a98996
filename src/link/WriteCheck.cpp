#include "link/WriteCheck.h"

#include <algorithm>

#include "channels/ChannelCells.h"
#include "image/ByteOwners.h"
#include "image/ImageCodec.h"
#include "image/RadioState.h"
#include "link/Wire.h"

namespace kvd::link {

namespace {

RadioState Decoded(const MemoryImage& image) {
    RadioState state = StartupState(kEnglish);
    DecodeImage(image, state);
    return state;
}

}  // namespace

ImageWrite ImageWrite::Of(const MemoryImage& image, bool debugAccess) {
    ImageWrite write;
    write.bytes = image;
    for (std::size_t k = 0; k < image.size(); ++k) {
        write.sent[k] =
            Wire::IsWritable(static_cast<std::uint16_t>(ByteMap::kRadioBase + k), debugAccess);
    }
    return write;
}

void ImageWrite::add(std::uint16_t address, std::span<const std::uint8_t> data) {
    for (std::size_t i = 0; i < data.size(); ++i) {
        const std::size_t offset = address + i - ByteMap::kRadioBase;
        if (address + i >= ByteMap::kRadioBase && offset < bytes.size()) {
            bytes[offset] = data[i];
            sent[offset] = true;
        }
    }
}

std::vector<ByteDifference> WriteComparison::bytesNoFieldShows() const {
    std::vector<ByteDifference> out;
    for (const ByteDifference& b : bytes) {
        const ByteOwner owner = OwnerOfByte(b.offset);
        const bool shown = std::any_of(fields.begin(), fields.end(), [&](const Difference& d) {
            const FieldPlace& p = d.place;
            return (owner.channel && p.channel == owner.channel) ||
                   (owner.scanFrom && p.column == ChannelCells::kScanAdd &&
                    p.channel >= owner.scanFrom && p.channel < owner.scanFrom + 8) ||
                   (owner.field && p.field == owner.field && p.element == owner.element);
        });
        if (!shown) {
            out.push_back(b);
        }
    }
    return out;
}

WriteComparison CompareWrite(const ImageWrite& write, std::span<const std::uint8_t> held) {
    MemoryImage radio;
    radio.fill(0xFF);
    std::copy_n(held.begin(), std::min(held.size(), radio.size()), radio.begin());
    MemoryImage after = radio;
    WriteComparison out;
    for (std::size_t k = 0; k < radio.size(); ++k) {
        if (write.sent[k] && write.bytes[k] != radio[k]) {
            after[k] = write.bytes[k];
            out.bytes.push_back({k, after[k], radio[k]});
        }
    }
    if (!out.bytes.empty()) {
        out.fields = Compare(Decoded(after), Decoded(radio));
    }
    return out;
}

}  // namespace kvd::link
