#include "settings/MessageBoxStyle.h"

#include <array>

namespace kvd::MessageBoxStyle {

namespace {

// Button ids of each button set, in the order they stand in the box.
const std::array<std::vector<int>, 7> kButtonSets = {{
    {kIdOk},
    {kIdOk, kIdCancel},
    {kIdAbort, kIdRetry, kIdIgnore},
    {kIdYes, kIdNo, kIdCancel},
    {kIdYes, kIdNo},
    {kIdRetry, kIdCancel},
    {kIdSave, kIdDiscard, kIdCancel},
}};

}  // namespace

std::vector<int> ButtonIds(int style) {
    const int set = style & 0x0F;
    return set < static_cast<int>(kButtonSets.size()) ? kButtonSets[set] : kButtonSets[kOk];
}

int DefaultButtonId(int style) {
    const std::vector<int> ids = ButtonIds(style);
    const std::size_t position = static_cast<std::size_t>((style & 0xF00) >> 8);
    return position < ids.size() ? ids[position] : ids.front();
}

bool AsksYesNo(int style) {
    const int set = style & 0x0F;
    return set == kYesNo || set == kYesNoCancel;
}

}  // namespace kvd::MessageBoxStyle
