#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace kvd {

// Where everything lives in the radio's 848-byte memory image. Image offset k is radio
// address k + 0x10. Multi-byte numbers are little-endian.
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

constexpr std::size_t kSettings = 0x100;
constexpr std::size_t kIdCode = 0x110;  // FunctionOptions 16, 10 characters
constexpr std::size_t kIdCodeLength = 10;
constexpr std::size_t kTxStartCode = 0x130;  // FunctionOptions 17, 16 characters
constexpr std::size_t kTxEndCode = 0x140;    // FunctionOptions 18, 16 characters
constexpr std::size_t kTxCodeLength = 16;
constexpr std::size_t kScanAddLow = 0x16E;   // channels 1..8, bit c - 1
constexpr std::size_t kScanAddHigh = 0x16F;  // channels 9..16, bit c - 9

constexpr std::size_t kCalibration = 0x170;
constexpr std::size_t kCalibrationEnd = 0x1A8;
constexpr std::size_t kHighPowerLevel = 0x173;
constexpr std::size_t kLowPowerLevel = 0x178;

constexpr std::size_t kIdentification = 0x1A8;  // "KVD27", band code, F8, FF
constexpr std::size_t kBandCode = 0x1AD;

constexpr std::size_t kGroupCodes = 0x1F0;  // group g (1..8) at + 16 * (g - 1)
constexpr std::size_t kGroupCodeLength = 16;
constexpr std::uint8_t kGroupZero = 0x3A;  // how a code group stores the digit "0"

constexpr std::size_t kDebugFrequencies = 0x270;  // row r at + 8 * (r - 1), 2 x 4 bytes

constexpr std::size_t kEmbeddedInfo = 0x2F0;  // two lines of 32 characters
constexpr std::size_t kEmbeddedLineLength = 32;

constexpr std::size_t kModelBlock = 0x330;
constexpr std::size_t kModelBandCode = 0x33C;

constexpr std::uint8_t kNoCharacter = 0xFF;

// The five-byte model tag that opens the identification block and a channel file.
constexpr std::array<std::uint8_t, 5> kModelTag = {0x4B, 0x56, 0x44, 0x32, 0x37};  // "KVD27"

}  // namespace ByteMap
}  // namespace kvd
