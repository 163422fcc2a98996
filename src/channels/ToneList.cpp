#include "channels/ToneList.h"

#include <algorithm>
#include <array>
#include <span>

namespace kvd::ToneList {

const LocalText kOff{"关闭", "Off"};

namespace {

constexpr std::array<std::uint16_t, kCtcssCount> kCtcss = {
    670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000,
    1035, 1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567,
    1598, 1622, 1655, 1679, 1713, 1738, 1773, 1799, 1835, 1862, 1899, 1928, 1966,
    1999, 2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541};

// Octal codes as written, in list order.
constexpr std::array<std::uint16_t, kDcsCount> kDcsOctal = {
    023,  025,  026,  031,  032,  036,  043,  047,  051,  053,  054,  065,  071,  072,  073,
    074,  0114, 0115, 0116, 0122, 0125, 0131, 0132, 0134, 0143, 0145, 0152, 0155, 0156, 0162,
    0165, 0172, 0174, 0205, 0212, 0223, 0225, 0226, 0243, 0244, 0245, 0246, 0251, 0252, 0255,
    0261, 0263, 0265, 0266, 0271, 0274, 0306, 0311, 0315, 0325, 0331, 0332, 0343, 0346, 0351,
    0356, 0364, 0365, 0371, 0411, 0412, 0413, 0423, 0431, 0432, 0445, 0446, 0452, 0454, 0455,
    0462, 0464, 0465, 0466, 0503, 0506, 0516, 0523, 0526, 0532, 0546, 0565, 0606, 0612, 0624,
    0627, 0631, 0632, 0645, 0654, 0662, 0664, 0703, 0712, 0723, 0731, 0732, 0734, 0743, 0754};

int IndexIn(std::span<const std::uint16_t> sorted, std::uint16_t value) {
    const auto found = std::lower_bound(sorted.begin(), sorted.end(), value);
    return found != sorted.end() && *found == value ? static_cast<int>(found - sorted.begin()) : -1;
}

}  // namespace

Tone At(int position) {
    if (position >= kFirstCtcss && position < kFirstCtcss + kCtcssCount) {
        return Tone::Ctcss(kCtcss[position - kFirstCtcss]);
    }
    if (position >= kFirstDcsNormal && position < kFirstDcsNormal + kDcsCount) {
        return Tone::Dcs(kDcsOctal[position - kFirstDcsNormal], Tone::Polarity::Normal);
    }
    if (position >= kFirstDcsInverted && position < kFirstDcsInverted + kDcsCount) {
        return Tone::Dcs(kDcsOctal[position - kFirstDcsInverted], Tone::Polarity::Inverted);
    }
    return Tone();
}

std::string Text(int position, LanguageId language) {
    if (position < 0 || position >= kCount) {
        return {};
    }
    return ToneText(At(position), language);
}

int PositionOf(Tone tone) {
    int index = -1;
    switch (tone.kind()) {
        case Tone::Kind::None:
            return 0;
        case Tone::Kind::Ctcss:
            index = IndexIn(kCtcss, tone.ctcssTenths());
            return index < 0 ? -1 : kFirstCtcss + index;
        case Tone::Kind::Dcs:
            index = IndexIn(kDcsOctal, tone.dcsCode());
            if (index < 0) {
                return -1;
            }
            return (tone.polarity() == Tone::Polarity::Normal ? kFirstDcsNormal
                                                              : kFirstDcsInverted) +
                   index;
        case Tone::Kind::OtherWord:
            return -1;
    }
    return -1;
}

}  // namespace kvd::ToneList
