#pragma once

#include <string>
#include <string_view>

namespace kvd::cli {

// A JSON string literal for UTF-8 text; control characters are escaped.
std::string JsonString(std::string_view utf8);

}  // namespace kvd::cli
