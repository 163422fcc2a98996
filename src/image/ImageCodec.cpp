#include "image/ImageCodec.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "image/ByteMap.h"
#include "image/ChannelRecord.h"
#include "image/RadioState.h"
#include "image/SettingsCodec.h"

namespace kvd {

namespace {

namespace BM = ByteMap;

constexpr std::size_t RecordOffset(int number) {
    return BM::kChannelRecords + BM::kChannelRecordSize * static_cast<std::size_t>(number - 1);
}

constexpr std::size_t ScanAddByte(int number) {
    return number <= 8 ? BM::kScanAddLow : BM::kScanAddHigh;
}

constexpr std::uint8_t ScanAddBit(int number) {
    return static_cast<std::uint8_t>(1u << ((number - 1) % 8));
}

void DecodeChannels(std::span<const std::uint8_t> image, Channels& channels) {
    for (int number = 1; number <= Channels::kCount; ++number) {
        std::optional<Channel>& channel = channels[number];
        channel = DecodeChannelRecord(image.subspan(RecordOffset(number)).first<16>());
        if (channel) {
            const bool scanned = image[ScanAddByte(number)] & ScanAddBit(number);
            channel->scanAdd = scanned ? ScanAdd::Yes : ScanAdd::No;
        }
    }
}

// The bytes that are the same whatever the state (the band codes are filled in later).
MemoryImage FixedBytes() {
    MemoryImage image;
    image.fill(0xFF);
    image[BM::kReservedZero] = 0x00;
    std::copy(BM::kModelTag.begin(), BM::kModelTag.end(), image.begin() + BM::kIdentification);
    image[BM::kIdentificationEnd] = 0xF8;
    constexpr std::string_view kModel = "KVD-270";
    std::copy(kModel.begin(), kModel.end(), image.begin() + BM::kModelName);
    constexpr std::string_view kConstant = "52718394";
    std::copy(kConstant.begin(), kConstant.end(), image.begin() + BM::kIdentificationConstant);
    std::fill(image.begin() + BM::kModelFill, image.end(), 0x88);
    return image;
}

}  // namespace

void DecodeImage(std::span<const std::uint8_t> bytes, RadioState& state) {
    std::array<std::uint8_t, BM::kDecodedSize> padded;
    if (bytes.size() < BM::kDecodedSize) {
        padded.fill(0xFF);
        std::copy(bytes.begin(), bytes.end(), padded.begin());
        bytes = padded;
    }
    state.flags.DebugAccess = 0;
    DecodeChannels(bytes, state.channels);
    DecodeSettings(bytes, state);
}

MemoryImage EncodeImage(const RadioState& state) {
    static const MemoryImage kFixed = FixedBytes();
    MemoryImage image = kFixed;
    std::span<std::uint8_t> bytes(image);
    image[BM::kScanAddLow] = image[BM::kScanAddHigh] = 0;
    for (int number = 1; number <= Channels::kCount; ++number) {
        const std::optional<Channel>& channel = state.channels[number];
        EncodeChannelRecord(channel, bytes.subspan(RecordOffset(number)).first<16>());
        if (channel && channel->scanAdd == ScanAdd::Yes) {
            image[ScanAddByte(number)] |= ScanAddBit(number);
        }
    }
    EncodeSettings(state, bytes);
    return image;
}

}  // namespace kvd
