#pragma once

#include <vector>

#include "image/Comparison.h"
#include "link/WriteCheck.h"
#include "texts/UserText.h"

namespace kvd::gui {

// A line of a comparison as the window lists it: a heading (a channel's, the settings',
// the other bytes') or a field with the two values.
struct ComparisonRow {
    bool heading = false;
    UserText caption;
    UserText ours;
    UserText theirs;
};

// Each channel that differs under its heading with its fields, then the settings under theirs.
std::vector<ComparisonRow> RowsOf(const Differences& differences);
// A write against the radio the same way, then the bytes no field shows (offset and owner,
// both bytes in hexadecimal).
std::vector<ComparisonRow> RowsOf(const link::WriteComparison& comparison);

}  // namespace kvd::gui
