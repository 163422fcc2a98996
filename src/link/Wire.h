#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "link/Action.h"

namespace kvd::link {

// The bytes on the line between the program and the radio. No checksums, no escapes: every
// frame's length follows from its first byte and the step of the conversation.
namespace Wire {

constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kIdentify = 0x02;
constexpr std::uint8_t kEnd = 0x45;          // "E"
constexpr std::uint8_t kReadRequest = 0x52;  // "R"
constexpr std::uint8_t kBlock = 0x57;        // "W": a write block, and the radio's read answer
constexpr std::uint8_t kReadLength = 0x40;
constexpr std::uint8_t kWriteLength = 0x10;

constexpr std::size_t kIdentificationSize = 8;
constexpr std::size_t kReadRequestSize = 4;
constexpr std::size_t kReadAnswerSize = 4 + kReadLength;   // 68
constexpr std::size_t kWriteBlockSize = 4 + kWriteLength;  // 20
constexpr std::size_t kBandCodeIndex = 5;                  // within the identification block

constexpr std::uint16_t kFirstAddress = 0x0010;
constexpr std::uint16_t kReadEnd = 0x0410;   // 16 blocks of 64 bytes
constexpr std::uint16_t kWriteEnd = 0x0360;  // the memory image's end

// "PROGRAM" with a zero byte for a read, without it for a write.
std::vector<std::uint8_t> StartFrame(Mode mode);
std::vector<std::uint8_t> ReadRequest(std::uint16_t address);
std::vector<std::uint8_t> WriteBlock(std::uint16_t address, std::span<const std::uint8_t> data);

// Where the next write block goes: the address itself, or past the ranges never written
// (the calibration block too without debug access).
std::uint16_t SkipUnwritten(std::uint16_t address, bool debugAccess);

// True for the radio addresses a write may send: 0x0010..0x017F, 0x0180..0x018F with debug
// access, 0x01B8..0x01C7 and 0x0200..0x035F.
bool IsWritable(std::uint16_t address, bool debugAccess);

// Replies as received, byte by byte.
// The identification block: exactly 8 bytes holding the model tag "KVD27" anywhere, even
// starting half-way into a byte (the radio's reply is matched as hexadecimal digits).
bool IsIdentification(std::span<const std::uint8_t> reply);
// The band position of the identification's sixth byte, if the code is known.
std::optional<int> BandOfIdentification(std::span<const std::uint8_t> reply);
// The answer to the read request at address: 68 bytes, "W", the address; the fourth byte
// is not examined.
bool IsReadAnswer(std::span<const std::uint8_t> reply, std::uint16_t address);

}  // namespace Wire
}  // namespace kvd::link
