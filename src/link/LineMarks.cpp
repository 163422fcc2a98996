#include "link/LineMarks.h"

namespace kvd::link {

namespace {
constexpr std::uint8_t kMark = 0xFF;
}

std::vector<LineMarks::Piece> LineMarks::Feed(std::span<const std::uint8_t> raw) {
    std::vector<Piece> pieces;
    auto data = [&pieces](std::uint8_t byte) {
        if (pieces.empty() || pieces.back().isBreak) {
            pieces.push_back({});
        }
        pieces.back().bytes.push_back(byte);
    };
    for (std::uint8_t byte : raw) {
        if (marked_ == 0) {
            if (byte == kMark) {
                marked_ = 1;
            } else {
                data(byte);
            }
        } else if (marked_ == 1) {
            marked_ = byte == 0x00 ? 2 : 0;
            if (byte != 0x00) {
                data(byte);  // FF FF, or anything else a marking line would not send
            }
        } else {
            marked_ = 0;
            if (byte == 0x00) {
                pieces.push_back({true, {}});
            } else {
                data(byte);
            }
        }
    }
    return pieces;
}

}  // namespace kvd::link
