#include "cli/TextColumns.h"

#include <algorithm>

#include "texts/Utf8.h"

namespace kvd::cli {

int DisplayWidth(const std::string& text) {
    int width = 0;
    for (char32_t c : DecodeUtf8(text)) {
        width += (c >= 0x1100 && (c <= 0x115F || (c >= 0x2E80 && c <= 0xFFDC))) ? 2 : 1;
    }
    return width;
}

std::string Pad(const std::string& text, int width) {
    return text +
           std::string(static_cast<std::size_t>(std::max(1, width - DisplayWidth(text))), ' ');
}

}  // namespace kvd::cli
