#pragma once

#include <string>

namespace kvd::cli {

// Columns of text on a terminal, where a CJK character takes two cells.
int DisplayWidth(const std::string& utf8);
// The text followed by spaces to `width` cells, and at least one.
std::string Pad(const std::string& utf8, int width);

}  // namespace kvd::cli
