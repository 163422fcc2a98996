#include "image/ByteOwners.h"

#include "channels/Channel.h"
#include "image/ByteMap.h"

namespace kvd {

namespace BM = ByteMap;

ByteOwner OwnerOfByte(std::size_t offset) {
    ByteOwner owner;
    constexpr std::size_t kRecordsEnd =
        BM::kChannelRecords + Channels::kCount * BM::kChannelRecordSize;
    if (offset >= BM::kChannelRecords && offset < kRecordsEnd) {
        owner.channel =
            static_cast<int>((offset - BM::kChannelRecords) / BM::kChannelRecordSize) + 1;
    } else if (offset == BM::kScanAddLow || offset == BM::kScanAddHigh) {
        owner.scanFrom = offset == BM::kScanAddLow ? 1 : 9;
    }
    for (const FieldTable::Field& f : FieldTable::All()) {
        for (std::size_t start : {f.offset, f.copyOffset}) {
            if (start != 0 && offset >= start && offset < start + f.width * f.count) {
                owner.field = &f;
                owner.element = static_cast<int>((offset - start) / f.width);
            }
        }
    }
    return owner;
}

}  // namespace kvd
