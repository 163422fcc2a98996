#include "image/ChannelRecord.h"

#include <algorithm>

#include "image/ByteMap.h"

namespace kvd {

namespace {

namespace R = ByteMap::Record;

constexpr std::uint32_t kNoFrequency = 0xFFFFFFFF;
constexpr std::uint8_t kBusyLockBit = 0x08;  // clear: transmit locked on a busy channel
constexpr std::uint8_t kHighPowerBit = 0x20;
constexpr std::uint8_t kWideBit = 0x10;

std::uint32_t Packed(std::span<const std::uint8_t, 16> r, std::size_t at) {
    return r[at] | r[at + 1] << 8 | r[at + 2] << 16 | std::uint32_t{r[at + 3]} << 24;
}

std::uint16_t Word(std::span<const std::uint8_t, 16> r, std::size_t at) {
    return static_cast<std::uint16_t>(r[at] | r[at + 1] << 8);
}

void PutPacked(std::uint32_t packed, std::span<std::uint8_t, 16> r, std::size_t at) {
    for (std::size_t i = 0; i < 4; ++i) {
        r[at + i] = static_cast<std::uint8_t>(packed >> (8 * i));
    }
}

void PutWord(std::uint16_t word, std::span<std::uint8_t, 16> r, std::size_t at) {
    r[at] = static_cast<std::uint8_t>(word & 0xFF);
    r[at + 1] = static_cast<std::uint8_t>(word >> 8);
}

}  // namespace

std::optional<Channel> DecodeChannelRecord(std::span<const std::uint8_t, 16> r) {
    const std::uint32_t rx = Packed(r, R::kRxFrequency);
    if (rx == kNoFrequency) {
        return std::nullopt;
    }
    Channel c;
    c.rx = Frequency::FromPacked(rx);
    const std::uint32_t tx = Packed(r, R::kTxFrequency);
    c.tx = tx == kNoFrequency ? std::nullopt : std::optional(Frequency::FromPacked(tx));
    c.rxTone = Tone::FromWord(Word(r, R::kRxTone));
    c.txTone = Tone::FromWord(Word(r, R::kTxTone));
    c.busyLock = r[R::kBusyLock] & kBusyLockBit ? BusyLock::Off : BusyLock::Carrier;
    c.power = r[R::kPowerBandwidth] & kHighPowerBit ? Power::High : Power::Low;
    c.bandwidth = r[R::kPowerBandwidth] & kWideBit ? Bandwidth::Wide : Bandwidth::Narrow;
    return c;
}

void EncodeChannelRecord(const std::optional<Channel>& channel, std::span<std::uint8_t, 16> r) {
    if (!channel) {
        static constexpr std::uint8_t kEmpty[16] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                                    0xFF, 0xFF, 0xFF, 0xFF, 0xF8, 0xF0, 0xFC, 0xFF};
        std::copy(std::begin(kEmpty), std::end(kEmpty), r.begin());
        return;
    }
    const Channel& c = *channel;
    PutPacked(c.rx.packed(), r, R::kRxFrequency);
    PutPacked(c.tx ? c.tx->packed() : kNoFrequency, r, R::kTxFrequency);
    PutWord(c.rxTone.word(), r, R::kRxTone);
    PutWord(c.txTone.word(), r, R::kTxTone);
    r[R::kBusyLock] = c.busyLock == BusyLock::Off ? 0xF8 : 0xF0;
    r[R::kPowerBandwidth] =
        static_cast<std::uint8_t>(0xC0 | (c.power == Power::High ? kHighPowerBit : 0) |
                                  (c.bandwidth == Bandwidth::Wide ? kWideBit : 0));
    r[R::kReserved1] = 0xFC;
    r[R::kReserved2] = 0xFF;
}

}  // namespace kvd
