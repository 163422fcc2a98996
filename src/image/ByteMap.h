#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace kvd {

// The radio's 848-byte memory image apart from its settings: its geometry, the channel
// records, the scan-add bitmaps and the bytes the program always writes the same. Where each
// setting lives is the field table's (FieldTable.h). Image offset k is radio address
// k + 0x10. Multi-byte numbers are little-endian.
namespace ByteMap {

constexpr std::size_t kImageSize = 0x350;     // radio 0x0010..0x035F
constexpr std::size_t kDecodedSize = 0x330;   // what the decoder interprets
constexpr std::size_t kReadSize = 1024;       // what a read fetches
constexpr std::uint16_t kRadioBase = 0x0010;  // radio address of image offset 0

// Channel records: channel n (1..16) at 16 * (n - 1).
constexpr std::size_t kChannelRecords = 0x000;
constexpr std::size_t kChannelRecordSize = 16;
namespace Record {
constexpr std::size_t kRxFrequency = 0;
constexpr std::size_t kTxFrequency = 4;
constexpr std::size_t kRxTone = 8;
constexpr std::size_t kTxTone = 10;
constexpr std::size_t kBusyLock = 12;        // bit 3 clear = lock on carrier
constexpr std::size_t kPowerBandwidth = 13;  // bit 5 power high, bit 4 wide
constexpr std::size_t kReserved1 = 14;       // 0xFC
constexpr std::size_t kReserved2 = 15;       // 0xFF
}  // namespace Record

constexpr std::size_t kScanAddLow = 0x16E;   // channels 1..8, bit c - 1
constexpr std::size_t kScanAddHigh = 0x16F;  // channels 9..16, bit c - 9

// Fixed bytes. Everything the encoder writes that is neither a channel, a scan-add bitmap
// nor a setting is 0xFF, except these.
constexpr std::size_t kReservedZero = 0x123;            // 0x00
constexpr std::size_t kIdentification = 0x1A8;          // the model tag, the band code, then:
constexpr std::size_t kIdentificationEnd = 0x1AE;       // 0xF8
constexpr std::size_t kModelName = 0x330;               // "KVD-270"
constexpr std::size_t kIdentificationConstant = 0x340;  // "52718394"
constexpr std::size_t kModelFill = 0x348;               // 0x88 to the image's end

// The five-byte model tag that opens the identification block and a channel file.
constexpr std::array<std::uint8_t, 5> kModelTag = {0x4B, 0x56, 0x44, 0x32, 0x37};  // "KVD27"

}  // namespace ByteMap
}  // namespace kvd
