#pragma once

#include <cstdint>
#include <span>

#include "settings/Language.h"

namespace kvd {

class ChannelTable;

// One 16-byte channel record <-> one row of the channel table (cells and list positions).
// The scan-add cell lives in a bitmap elsewhere and is not part of the record.
void ParseChannelRecord(std::span<const std::uint8_t, 16> record, int row, LanguageId language,
                        ChannelTable& table);
void RenderChannelRecord(const ChannelTable& table, int row, std::span<std::uint8_t, 16> record);

}  // namespace kvd
