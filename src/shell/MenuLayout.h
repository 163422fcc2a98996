#pragma once

#include <span>

namespace kvd::gui {

// The main window's menu bar as data: menus left to right, items top to bottom. Captions
// come from the caption table; a null item name is a separator.
struct MenuItemLayout {
    const char* name;
    const char* shortcut = nullptr;  // portable key text, the same in every language
    bool checkable = false;
    bool enabled = true;
};

struct MenuLayout {
    const char* name;
    std::span<const MenuItemLayout> items;
};

std::span<const MenuLayout> MainMenus();

}  // namespace kvd::gui
