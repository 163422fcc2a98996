#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "channels/Channel.h"

namespace kvd {

// One 16-byte channel record <-> one channel; no receive frequency (FF FF FF FF) is no
// channel. The scan-add choice lives in a bitmap elsewhere: decoding leaves it as the
// caller sets it, encoding ignores it.
std::optional<Channel> DecodeChannelRecord(std::span<const std::uint8_t, 16> record);
void EncodeChannelRecord(const std::optional<Channel>& channel, std::span<std::uint8_t, 16> record);

}  // namespace kvd
