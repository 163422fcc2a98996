#include "link/Wire.h"

#include "channels/BandTable.h"
#include "image/HexText.h"

namespace kvd::link::Wire {

namespace {

constexpr std::string_view kTagText = "4B56443237";  // "KVD27" as image text

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

bool IsIdentification(std::string_view rxText) {
    return rxText.size() == 2 * kIdentificationSize &&
           rxText.find(kTagText) != std::string_view::npos;
}

std::optional<int> BandOfIdentification(std::string_view rxText) {
    if (rxText.size() < 2 * kBandCodeIndex + 2) {
        return std::nullopt;
    }
    int high = HexDigitValue(rxText[2 * kBandCodeIndex]);
    int low = HexDigitValue(rxText[2 * kBandCodeIndex + 1]);
    if (high < 0 || low < 0) {
        return std::nullopt;
    }
    return BandTable::PositionOfCode(static_cast<std::uint8_t>(high * 16 + low));
}

bool IsReadAnswer(std::string_view rxText, std::uint16_t address) {
    const std::string word = HexWord(static_cast<std::int16_t>(address));
    return rxText.size() == 2 * kReadAnswerSize && rxText.substr(0, 2) == "57" &&
           rxText.substr(2, 4) == word;
}

}  // namespace kvd::link::Wire
