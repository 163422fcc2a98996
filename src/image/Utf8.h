#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kvd {

// Code points of a UTF-8 text; a malformed sequence yields U+FFFD for each bad byte.
std::vector<char32_t> DecodeUtf8(std::string_view text);
// The code point at byte i (i < text.size()), moving i past it.
char32_t NextCodePoint(std::string_view text, std::size_t& i);
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace kvd
