#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kvd {

// A value from outside (a field of a file, an argument) as a message quotes it: in double
// quotes; line breaks, NULs, escape sequences and other control characters, quotes,
// backslashes and bytes that are no UTF-8 written as escapes ("\n", "\x1B"); cut after
// `limit` characters with "…", so megabytes of text do not become a megabyte message.
std::string QuotedText(std::string_view value, std::size_t limit = 40);

}  // namespace kvd
