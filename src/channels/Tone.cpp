#include "channels/Tone.h"

#include <cstdio>

#include "channels/ToneList.h"

namespace kvd {

Tone::Kind Tone::kind() const {
    if (word_ == kNoneWord) {
        return Kind::None;
    }
    const unsigned high = word_ >> 12;
    if (high != 0x2 && high != 0xA) {
        return Kind::Ctcss;
    }
    // Bits 9 and 10 are no part of a code: a word with either has no code of its own.
    return (word_ & 0xE00) == kDcsMarker ? Kind::Dcs : Kind::OtherWord;
}

std::string ToneText(Tone tone, LanguageId language) {
    char buffer[16];
    switch (tone.kind()) {
        case Tone::Kind::None:
            return ToneList::kOff.pick(language);
        case Tone::Kind::Ctcss:
            std::snprintf(buffer, sizeof buffer, "%.0u.%u", tone.ctcssTenths() / 10u,
                          tone.ctcssTenths() % 10u);
            return buffer;
        case Tone::Kind::Dcs:
        case Tone::Kind::OtherWord: {
            // The octal digits of the low twelve bits, the last three of them when longer.
            const unsigned low = tone.word() & 0xFFFu;
            std::snprintf(buffer, sizeof buffer, "D%o", low);
            std::string text = buffer;
            if (text.size() > 4) {
                text.erase(1, text.size() - 4);
            }
            return text + (tone.polarity() == Tone::Polarity::Normal ? "N" : "I");
        }
    }
    return {};
}

}  // namespace kvd
