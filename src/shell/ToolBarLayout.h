#pragma once

#include <span>

namespace kvd::gui {

// The toolbar `Toolbar1` as data. Buttons are known by their key; each is the QAction
// "Toolbar1_<key>" with the key in its "key" property, and its button widget has the same
// objectName. A button with a menu item does exactly what that item does. A null key is a
// separator.
struct ToolButtonLayout {
    const char* key;
    const char* icon = nullptr;      // resource path of its picture
    const char* menuItem = nullptr;  // the menu item it stands for, if any
    bool visible = true;
};

std::span<const ToolButtonLayout> MainToolButtons();

inline constexpr const char* kToolButtonPrefix = "Toolbar1_";
inline constexpr const char* kToolButtonKeyProperty = "key";

}  // namespace kvd::gui
