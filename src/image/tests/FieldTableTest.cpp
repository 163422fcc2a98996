// The field table itself: its rows fit the image and never overlap each other or the bytes
// the table does not own; every byte value of a number row decodes as the row accepts.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "TestStates.h"
#include "image/ByteMap.h"
#include "image/FieldTable.h"
#include "image/ImageCodec.h"
#include "image/SettingsCodec.h"

namespace kvd {
namespace {

using FieldTable::Codec;
using FieldTable::Field;

TEST(FieldTable, RowsFitTheDecodedImageAndOwnTheirBytesAlone) {
    std::vector<std::string> owner(ByteMap::kImageSize);
    auto own = [&](std::size_t offset, std::size_t length, const std::string& who) {
        for (std::size_t k = offset; k < offset + length; ++k) {
            ASSERT_LT(k, ByteMap::kDecodedSize) << who;
            EXPECT_EQ(owner[k], "") << who << " overlaps " << owner[k] << " at " << k;
            owner[k] = who;
        }
    };
    own(ByteMap::kChannelRecords, 16 * ByteMap::kChannelRecordSize, "channel records");
    own(ByteMap::kScanAddLow, 1, "scan add");
    own(ByteMap::kScanAddHigh, 1, "scan add");
    own(ByteMap::kReservedZero, 1, "reserved");
    own(ByteMap::kIdentification, 5, "model tag");
    own(ByteMap::kIdentificationEnd, 1, "identification");
    std::set<std::string> names;
    for (const Field& f : FieldTable::All()) {
        SCOPED_TRACE(f.name);
        EXPECT_TRUE(names.insert(f.name).second) << "names are unique";
        own(f.offset, f.width * static_cast<std::size_t>(f.count), f.name);
        if (f.copyOffset) {
            EXPECT_GE(f.copyOffset, ByteMap::kDecodedSize) << "a copy the decoder never reads";
        }
        EXPECT_TRUE(f.codec == Codec::Text || f.codec == Codec::GroupCode ||
                    f.codec == Codec::Frequency || !f.userRange().empty());
        EXPECT_TRUE(f.editable.empty() || (f.accepted.contains(f.editable.lowest) &&
                                           f.accepted.contains(f.editable.highest)))
            << "what the user may enter the radio accepts";
        EXPECT_EQ(&FieldTable::Of(f.member), &f) << "one row per setting";
    }
}

// Every other start-up value reaches the image, which EncodeImage.StartUpStateByteForByte
// compares with the byte map's initial values; an empty box is written as 0.
TEST(FieldTable, StartUpScanDelaysAreEmptyBoxes) {
    const Settings s = StartupSettings();
    EXPECT_FALSE(s.scanReceiveDelay || s.scanTransmitDelay);
}

// The byte a number row writes for a value it took from byte n.
int Rewritten(const Field& f, int n) {
    switch (f.codec) {
        case Codec::Bit0:
            return 0xFE | (n & 1);
        case Codec::AsciiDigit:
            return n == 0xFF || n == '0' ? 0x00 : n;  // 0 is written as 0x00
        case Codec::ZeroAsFF:
            return n == 0x00 ? 0xFF : n;
        default:
            return n;
    }
}

// The decoder takes a number over exactly when its value lies in the row's accepted range,
// and writes what it took back as the same byte (or its one written form): every byte value
// of every one-byte number row, from a state that holds a value no byte gives. Check boxes
// take 0 and 1 and nothing else.
TEST(FieldTable, EveryByteOfANumberRowIsTakenExactlyWhenAccepted) {
    for (const Field& f : FieldTable::All()) {
        SCOPED_TRACE(f.name);
        for (int n = 0; n <= 0xFF && f.width == 1; ++n) {
            MemoryImage m = EncodeImage(StartupState(kChinese));
            m[f.offset] = static_cast<std::uint8_t>(n);
            RadioState s = StartupState(kChinese);
            if (const auto* number = std::get_if<std::int16_t Settings::*>(&f.member)) {
                s.settings.** number = -999;
                DecodeImage(m, s);
                const int value = s.settings.**number;
                EXPECT_TRUE(value == -999 || f.accepted.contains(value)) << n;
                if (f.codec == Codec::Byte) {
                    EXPECT_EQ(value, f.accepted.contains(n) ? n : -999);
                }
                if (value != -999) {
                    EXPECT_EQ(EncodeImage(s)[f.offset], Rewritten(f, n)) << n;
                }
            } else if (const auto* flag = std::get_if<bool Settings::*>(&f.member)) {
                s.settings.** flag = n != 1;
                DecodeImage(m, s);
                EXPECT_EQ(s.settings.**flag, n >= 1) << n;  // 2..255 leave it set
            }
        }
    }
}

}  // namespace
}  // namespace kvd
