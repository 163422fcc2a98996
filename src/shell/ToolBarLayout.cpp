#include "shell/ToolBarLayout.h"

#include <array>

namespace kvd::gui {

namespace {

// "TAnMa" withdraws debug access; it stays hidden until access is granted.
constexpr std::array<ToolButtonLayout, 7> kButtons = {{
    {"new", ":/kvd270/icons/new.svg", "mnuNew"},
    {"open", ":/kvd270/icons/open.svg", "mnuOpen"},
    {"save", ":/kvd270/icons/save.svg", "mnuAssave"},
    {nullptr},
    {"read", ":/kvd270/icons/read.svg", "mnureadFre"},
    {"write", ":/kvd270/icons/write.svg", "mnuwriteFre"},
    {"TAnMa", ":/kvd270/icons/tanma.svg", nullptr, false},
}};

}  // namespace

std::span<const ToolButtonLayout> MainToolButtons() {
    return kButtons;
}

}  // namespace kvd::gui
