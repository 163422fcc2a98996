#pragma once

#include <cstdint>
#include <string>

#include "settings/Language.h"

namespace kvd {

// A channel's squelch tone, kept as the 16-bit word the radio stores: none (0xFFFF), a CTCSS
// tone in tenths of a hertz, or a DCS code of three octal digits with its polarity. A word
// of the DCS ranges that no code gives (a radio's word without the 0x800 marker, or with
// other stray bits) is kept as it stands, so that any radio's bytes survive.
class Tone {
public:
    enum class Kind { None, Ctcss, Dcs, OtherWord };
    enum class Polarity { Normal, Inverted };

    static constexpr std::uint16_t kNoneWord = 0xFFFF;

    constexpr Tone() = default;
    // Tenths of a hertz below 0x2000 (819.2 Hz).
    static constexpr Tone Ctcss(std::uint16_t tenths) { return Tone(tenths); }
    // A code 0..511 (0o000..0o777).
    static constexpr Tone Dcs(std::uint16_t code, Polarity polarity) {
        return Tone(static_cast<std::uint16_t>((polarity == Polarity::Normal ? 0x2000 : 0xA000) |
                                               kDcsMarker | (code & 0x1FF)));
    }
    static constexpr Tone FromWord(std::uint16_t word) { return Tone(word); }

    std::uint16_t word() const { return word_; }
    Kind kind() const;
    // Meaningful for their own kinds only.
    std::uint16_t ctcssTenths() const { return word_; }
    std::uint16_t dcsCode() const { return word_ & 0x1FF; }
    Polarity polarity() const { return word_ >> 12 == 0xA ? Polarity::Inverted : Polarity::Normal; }

    bool operator==(const Tone&) const = default;

private:
    static constexpr std::uint16_t kDcsMarker = 0x800;  // so the code always shows 3 digits
    constexpr explicit Tone(std::uint16_t word) : word_(word) {}

    std::uint16_t word_ = kNoneWord;
};

// The text of a tone as the table shows it: the tone list's "off" entry in the language for
// none, "67.0" for CTCSS (the word's digits with a point before the last), "D023N" / "D023I"
// for DCS. A word of the DCS ranges shows the last three octal digits of its low twelve bits
// (fewer when it has fewer), as the radio's own word does.
std::string ToneText(Tone tone, LanguageId language);

}  // namespace kvd
