#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "image/Comparison.h"
#include "image/MemoryImage.h"

namespace kvd::link {

// The bytes a write sends, by image offset.
struct ImageWrite {
    MemoryImage bytes{};
    std::array<bool, ByteMap::kImageSize> sent{};

    // What a write conversation sends of an image: every block it writes, the calibration
    // block only with debug access.
    static ImageWrite Of(const MemoryImage& image, bool debugAccess);
    // A block as it went out, at its radio address; bytes outside the image are left out.
    void add(std::uint16_t address, std::span<const std::uint8_t> data);
};

struct ByteDifference {
    std::size_t offset;   // in the image
    std::uint8_t ours;    // what the write sends
    std::uint8_t theirs;  // what the radio holds

    bool operator==(const ByteDifference&) const = default;
};

// A write against what the radio holds: the bytes it sends that the radio does not hold, and
// what they make of the configuration, as a read would decode the radio with and without the
// write (ours: with it). Bytes the write does not send count for nothing: without debug
// access the radio keeps its calibration whatever the program holds.
struct WriteComparison {
    Differences fields;
    std::vector<ByteDifference> bytes;

    bool equal() const { return bytes.empty(); }
    // The bytes that differ where no field difference is listed: in the bytes the program
    // always writes the same, or a value the decoder does not take (it keeps the old one).
    std::vector<ByteDifference> bytesNoFieldShows() const;
};

// `held`: the radio's memory from image offset 0 (a read's 1024 bytes, or fewer).
WriteComparison CompareWrite(const ImageWrite& write, std::span<const std::uint8_t> held);

}  // namespace kvd::link
