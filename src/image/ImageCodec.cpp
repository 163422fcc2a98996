#include "image/ImageCodec.h"

#include <algorithm>
#include <vector>

#include "channels/BandTable.h"
#include "channels/ChoiceLists.h"
#include "image/ByteMap.h"
#include "image/ChannelRecord.h"
#include "image/HexText.h"
#include "image/ImageFields.h"
#include "image/RadioState.h"
#include "image/SettingsBlock.h"

namespace kvd {

namespace {

using Col = ChannelTable::Column;
namespace BM = ByteMap;

std::span<const std::uint8_t, 16> RecordOf(std::span<const std::uint8_t> image, int row) {
    return image.subspan(BM::kChannelRecords + BM::kChannelRecordSize * (row - 1)).first<16>();
}

std::span<const std::uint8_t, 4> DebugFieldOf(std::span<const std::uint8_t> image, int row,
                                              int column) {
    return image.subspan(BM::kDebugFrequencies + 8 * row + 4 * column).first<4>();
}

void ParseScanAdd(std::span<const std::uint8_t> image, RadioState& s) {
    for (int row = 1; row <= ChannelTable::kChannels; ++row) {
        if (!s.table.hasChannel(row)) {
            s.table.setCell(row, Col::kScanAdd, {});
            continue;
        }
        std::uint8_t bits = image[row <= 8 ? BM::kScanAddLow : BM::kScanAddHigh];
        int position = (bits >> ((row - 1) % 8)) & 1;
        s.table.setCell(row, Col::kScanAdd,
                        ChoiceLists::Text(Col::kScanAdd, position, s.flags.Language));
        s.table.setChoiceIndex(row, Col::kScanAdd, static_cast<std::int16_t>(position));
    }
}

void ParseRest(std::span<const std::uint8_t> image, RadioState& s) {
    s.settings.HighPowerLevel = image[BM::kHighPowerLevel];
    s.settings.LowPowerLevel = image[BM::kLowPowerLevel];
    if (auto band = BandTable::PositionOfCode(image[BM::kBandCode])) {
        s.band.TakeBand(*band);
    }
    for (int g = 1; g <= ProgramSettings::kGroupCodes; ++g) {
        s.settings.GroupCodes[g] = ParseGroupCode(
            image.subspan(BM::kGroupCodes + BM::kGroupCodeLength * (g - 1), BM::kGroupCodeLength));
    }
    for (int row = 0; row < ProgramSettings::kDebugRows; ++row) {
        for (int column = 0; column < 2; ++column) {
            s.settings.DebugFrequencies[row][column] =
                ParseFrequency(DebugFieldOf(image, row, column));
        }
    }
    for (int line = 0; line < 2; ++line) {
        s.settings.EmbeddedInfo[line] = ParseTextField(image.subspan(
            BM::kEmbeddedInfo + BM::kEmbeddedLineLength * line, BM::kEmbeddedLineLength));
    }
}

// The bytes the encoder writes the same whatever the state: reserved bytes, the
// identification and model blocks (band codes are filled in later).
MemoryImage FixedBytes() {
    MemoryImage image;
    image.fill(0xFF);
    image[0x123] = 0x00;
    std::copy(BM::kModelTag.begin(), BM::kModelTag.end(), image.begin() + BM::kIdentification);
    image[BM::kBandCode + 1] = 0xF8;
    constexpr std::string_view kModel = "KVD-270";
    std::copy(kModel.begin(), kModel.end(), image.begin() + BM::kModelBlock);
    constexpr std::string_view kIdentificationConstant = "52718394";
    std::copy(kIdentificationConstant.begin(), kIdentificationConstant.end(),
              image.begin() + 0x340);
    std::fill(image.begin() + 0x348, image.end(), 0x88);
    return image;
}

std::uint8_t ScanAddBits(const ChannelTable& table, int firstRow) {
    std::uint8_t bits = 0;
    for (int i = 0; i < 8; ++i) {
        const std::string& text = table.cell(firstRow + i, Col::kScanAdd);
        if (!text.empty() && ChoiceLists::Position(Col::kScanAdd, text) != 0) {
            bits |= static_cast<std::uint8_t>(1u << i);
        }
    }
    return bits;
}

}  // namespace

void DecodeImageBytes(std::span<const std::uint8_t> bytes, RadioState& s) {
    // Bytes the caller did not supply read as erased memory.
    std::vector<std::uint8_t> image(BM::kDecodedSize, 0xFF);
    std::copy_n(bytes.begin(), std::min(bytes.size(), image.size()), image.begin());

    s.flags.DebugAccess = 0;
    for (int row = 1; row <= ChannelTable::kChannels; ++row) {
        ParseChannelRecord(RecordOf(image, row), row, s.flags.Language, s.table);
    }
    ParseSettingsBlock(image, s);
    ParseScanAdd(image, s);
    ParseRest(image, s);
}

void DecodeImage(std::string_view imageText, RadioState& state) {
    DecodeImageBytes(ImageTextToBytes(imageText, BM::kDecodedSize), state);
}

MemoryImage EncodeImageBytes(const RadioState& s) {
    MemoryImage image = FixedBytes();
    std::span<std::uint8_t> bytes(image);
    for (int row = 1; row <= ChannelTable::kChannels; ++row) {
        RenderChannelRecord(
            s.table, row,
            bytes.subspan(BM::kChannelRecords + BM::kChannelRecordSize * (row - 1)).first<16>());
    }
    RenderSettingsBlock(s, bytes);
    image[BM::kScanAddLow] = ScanAddBits(s.table, 1);
    image[BM::kScanAddHigh] = ScanAddBits(s.table, 9);
    image[BM::kHighPowerLevel] = static_cast<std::uint8_t>(s.settings.HighPowerLevel & 0xFF);
    image[BM::kLowPowerLevel] = static_cast<std::uint8_t>(s.settings.LowPowerLevel & 0xFF);
    std::uint8_t bandCode = BandTable::At(s.band.position()).code;
    image[BM::kBandCode] = bandCode;
    image[BM::kModelBandCode] = bandCode;
    for (int g = 1; g <= ProgramSettings::kGroupCodes; ++g) {
        RenderGroupCode(
            s.settings.GroupCodes[g],
            bytes.subspan(BM::kGroupCodes + BM::kGroupCodeLength * (g - 1), BM::kGroupCodeLength));
    }
    for (int row = 0; row < ProgramSettings::kDebugRows; ++row) {
        for (int column = 0; column < 2; ++column) {
            RenderFrequency(s.settings.DebugFrequencies[row][column],
                            bytes.subspan(BM::kDebugFrequencies + 8 * row + 4 * column).first<4>());
        }
    }
    for (int line = 0; line < 2; ++line) {
        RenderTextField(s.settings.EmbeddedInfo[line],
                        bytes.subspan(BM::kEmbeddedInfo + BM::kEmbeddedLineLength * line,
                                      BM::kEmbeddedLineLength));
    }
    return image;
}

std::string EncodeImage(const RadioState& state) {
    return BytesToImageText(EncodeImageBytes(state));
}

}  // namespace kvd
