#include "link/Wire.h"

#include "channels/BandTable.h"
#include "image/ByteMap.h"

namespace kvd::link::Wire {

namespace {

std::uint8_t High(std::uint16_t address) {
    return static_cast<std::uint8_t>(address >> 8);
}
std::uint8_t Low(std::uint16_t address) {
    return static_cast<std::uint8_t>(address & 0xFF);
}

}  // namespace

std::vector<std::uint8_t> StartFrame(Mode mode) {
    std::vector<std::uint8_t> frame = {'P', 'R', 'O', 'G', 'R', 'A', 'M'};
    if (mode == Mode::Read) {
        frame.push_back(0x00);
    }
    return frame;
}

std::vector<std::uint8_t> ReadRequest(std::uint16_t address) {
    return {kReadRequest, High(address), Low(address), kReadLength};
}

std::vector<std::uint8_t> WriteBlock(std::uint16_t address, std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> frame(kWriteBlockSize, 0xFF);
    frame[0] = kBlock;
    frame[1] = High(address);
    frame[2] = Low(address);
    frame[3] = kWriteLength;
    for (std::size_t i = 0; i < data.size() && i < kWriteLength; ++i) {
        frame[4 + i] = data[i];
    }
    return frame;
}

std::uint16_t SkipUnwritten(std::uint16_t address, bool debugAccess) {
    if ((!debugAccess && address == 0x0180) || address == 0x0190) {
        return 0x01B8;
    }
    if (address == 0x01C8) {
        return 0x0200;
    }
    return address;
}

bool IsWritable(std::uint16_t address, bool debugAccess) {
    auto in = [address](unsigned first, unsigned last) {
        return address >= first && address <= last;
    };
    return in(0x0010, 0x017F) || (debugAccess && in(0x0180, 0x018F)) || in(0x01B8, 0x01C7) ||
           in(0x0200, 0x035F);
}

bool IsIdentification(std::span<const std::uint8_t> reply) {
    if (reply.size() != kIdentificationSize) {
        return false;
    }
    // Half-bytes of the reply and of the tag, most significant first.
    auto nibble = [](std::span<const std::uint8_t> bytes, std::size_t i) {
        return i % 2 == 0 ? bytes[i / 2] >> 4 : bytes[i / 2] & 0xF;
    };
    const std::span<const std::uint8_t> tag(ByteMap::kModelTag);
    for (std::size_t start = 0; start + 2 * tag.size() <= 2 * reply.size(); ++start) {
        std::size_t i = 0;
        while (i < 2 * tag.size() && nibble(reply, start + i) == nibble(tag, i)) {
            ++i;
        }
        if (i == 2 * tag.size()) {
            return true;
        }
    }
    return false;
}

std::optional<int> BandOfIdentification(std::span<const std::uint8_t> reply) {
    if (reply.size() <= kBandCodeIndex) {
        return std::nullopt;
    }
    return BandTable::PositionOfCode(reply[kBandCodeIndex]);
}

bool IsReadAnswer(std::span<const std::uint8_t> reply, std::uint16_t address) {
    return reply.size() == kReadAnswerSize && reply[0] == kBlock && reply[1] == High(address) &&
           reply[2] == Low(address);
}

}  // namespace kvd::link::Wire
