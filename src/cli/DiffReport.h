#pragma once

#include <string>

#include "image/Comparison.h"
#include "link/WriteCheck.h"
#include "settings/Language.h"

namespace kvd::cli {

// What the two sides of a comparison are called: two files, the radio and a file, what a
// write sends and what the radio holds.
struct Sides {
    std::string ours;
    std::string theirs;
};

// A table a person reads: a header naming the sides, then each channel that differs with
// its fields, then the settings; "No differences." when there are none.
std::string DifferencesText(const Differences& differences, const Sides& sides,
                            LanguageId language);

// A write against the radio the same way, followed by the bytes that no field difference
// shows (offset, what they belong to, the two bytes in hexadecimal).
std::string WriteComparisonText(const link::WriteComparison& comparison, const Sides& sides,
                                LanguageId language);

// The same as JSON: {"a": ours, "b": theirs, "differences": [...]}, where a channel's field
// is {"channel": n, "field": "rx", "a": ..., "b": ...} with the texts `show --json` gives,
// and a setting {"setting": name, "element": i, "a": ..., "b": ...} with numbers bare; null
// where there is nothing.
std::string DifferencesJson(const Differences& differences, const Sides& sides,
                            LanguageId language);

}  // namespace kvd::cli
