#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace kvd::link {

// Bytes from a POSIX serial line that marks its conditions (termios PARMRK): FF FF is a data
// byte FF, FF 00 00 a break, FF 00 X the byte X received with a framing or parity error
// (kept as data). Marks may be split across reads.
class LineMarks {
public:
    struct Piece {
        bool isBreak = false;
        std::vector<std::uint8_t> bytes;  // data, when not a break
    };

    // The data and breaks of the raw bytes, in order.
    std::vector<Piece> Feed(std::span<const std::uint8_t> raw);

private:
    int marked_ = 0;  // bytes of a mark seen so far: FF, then 00
};

}  // namespace kvd::link
