#include "channels/ToneList.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kvd::ToneList {

const LocalText kOff{"关闭", "Off"};

namespace {

constexpr std::array<int, kCtcssCount> kCtcss = {
    670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000,
    1035, 1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567,
    1598, 1622, 1655, 1679, 1713, 1738, 1773, 1799, 1835, 1862, 1899, 1928, 1966,
    1999, 2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541};

// Octal codes as written, in list order.
constexpr std::array<int, kDcsCount> kDcsOctal = {
    023,  025,  026,  031,  032,  036,  043,  047,  051,  053,  054,  065,  071,  072,  073,
    074,  0114, 0115, 0116, 0122, 0125, 0131, 0132, 0134, 0143, 0145, 0152, 0155, 0156, 0162,
    0165, 0172, 0174, 0205, 0212, 0223, 0225, 0226, 0243, 0244, 0245, 0246, 0251, 0252, 0255,
    0261, 0263, 0265, 0266, 0271, 0274, 0306, 0311, 0315, 0325, 0331, 0332, 0343, 0346, 0351,
    0356, 0364, 0365, 0371, 0411, 0412, 0413, 0423, 0431, 0432, 0445, 0446, 0452, 0454, 0455,
    0462, 0464, 0465, 0466, 0503, 0506, 0516, 0523, 0526, 0532, 0546, 0565, 0606, 0612, 0624,
    0627, 0631, 0632, 0645, 0654, 0662, 0664, 0703, 0712, 0723, 0731, 0732, 0734, 0743, 0754};

std::array<std::string, kCount> BuildFixedTexts() {
    std::array<std::string, kCount> texts;
    char buffer[16];
    for (int i = 0; i < kCtcssCount; ++i) {
        std::snprintf(buffer, sizeof buffer, "%d.%d", kCtcss[i] / 10, kCtcss[i] % 10);
        texts[kFirstCtcss + i] = buffer;
    }
    for (int i = 0; i < kDcsCount; ++i) {
        std::snprintf(buffer, sizeof buffer, "D%03oN", static_cast<unsigned>(kDcsOctal[i]));
        texts[kFirstDcsNormal + i] = buffer;
        std::snprintf(buffer, sizeof buffer, "D%03oI", static_cast<unsigned>(kDcsOctal[i]));
        texts[kFirstDcsInverted + i] = buffer;
    }
    return texts;
}

const std::array<std::string, kCount>& FixedTexts() {
    static const std::array<std::string, kCount> texts = BuildFixedTexts();
    return texts;
}

}  // namespace

std::string Text(int position, LanguageId language) {
    if (position == 0) {
        return kOff.pick(language);
    }
    if (position < 0 || position >= kCount) {
        return {};
    }
    return FixedTexts()[position];
}

bool IsOff(std::string_view text) {
    return text == kOff.zh || text == kOff.en;
}

int Position(std::string_view text) {
    if (IsOff(text)) {
        return 0;
    }
    const auto& texts = FixedTexts();
    for (int i = 1; i < kCount; ++i) {
        if (texts[i] == text) {
            return i;
        }
    }
    return -1;
}

int PositionForCell(std::string_view text) {
    int listed = Position(text);
    if (listed >= 0) {
        return listed;
    }
    if (!text.empty() && text.front() == 'D') {
        return text.back() == 'I' ? kFirstDcsInverted : kFirstDcsNormal;
    }
    double tenths = std::strtod(std::string(text).c_str(), nullptr) * 10.0;
    int best = kFirstCtcss;
    for (int p = kFirstCtcss; p < kFirstCtcss + kCtcssCount; ++p) {
        if (std::abs(kCtcss[p - kFirstCtcss] - tenths) <
            std::abs(kCtcss[best - kFirstCtcss] - tenths)) {
            best = p;
        }
    }
    return best;
}

int CtcssTenths(int position) {
    if (position < kFirstCtcss || position >= kFirstCtcss + kCtcssCount) {
        return -1;
    }
    return kCtcss[position - kFirstCtcss];
}

int DcsCode(int position) {
    if (position >= kFirstDcsNormal && position < kFirstDcsNormal + kDcsCount) {
        return kDcsOctal[position - kFirstDcsNormal];
    }
    if (position >= kFirstDcsInverted && position < kFirstDcsInverted + kDcsCount) {
        return kDcsOctal[position - kFirstDcsInverted];
    }
    return -1;
}

}  // namespace kvd::ToneList
