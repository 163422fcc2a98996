#pragma once

#include <cstdint>

namespace kvd {

// 0 Chinese, 1 English. 2 gives English texts with traditional Chinese message-box
// buttons; every value other than 0 selects the English texts.
using LanguageId = std::int16_t;

constexpr LanguageId kChinese = 0;
constexpr LanguageId kEnglish = 1;
constexpr LanguageId kTraditionalButtons = 2;

}  // namespace kvd
