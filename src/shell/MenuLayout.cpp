#include "shell/MenuLayout.h"

#include <array>

namespace kvd::gui {

namespace {

constexpr MenuItemLayout kSeparator{nullptr};

constexpr std::array<MenuItemLayout, 8> kFile = {{
    {"mnuNew"},
    {"mnuOpen"},
    {"mnuAssave"},
    kSeparator,
    {"mnuImportCsv"},
    {"mnuExportCsv"},
    kSeparator,
    {"mnuQuit"},
}};

constexpr std::array<MenuItemLayout, 8> kProgramming = {{
    {"mnureadFre", "Ctrl+R"},
    {"mnuwriteFre", "Ctrl+W"},
    kSeparator,
    {"mnudtmf"},
    {"Key_enactment"},
    {"mnusetin"},
    {"mnudebug"},
    {"mnutestfre"},
}};

constexpr std::array<MenuItemLayout, 1> kSettings = {{{"mnulock", nullptr, true}}};

constexpr std::array<MenuItemLayout, 8> kPorts = {{
    {"mnucom1", nullptr, true},
    {"mnucom2", nullptr, true},
    {"mnucom3", nullptr, true},
    {"mnucom4", nullptr, true},
    {"mnucom5", nullptr, true},
    {"mnucom6", nullptr, true},
    {"mnucom7", nullptr, true},
    {"mnucom8", nullptr, true},
}};

constexpr std::array<MenuItemLayout, 2> kLanguages = {{{"mnuChinese"}, {"mnuEnglish"}}};

// The help topic is never offered: there is no help file. Its caption carries "F1".
constexpr std::array<MenuItemLayout, 2> kHelp = {{
    {"mnumainhelp", nullptr, false, false},
    {"mnuabout"},
}};

constexpr std::array<MenuLayout, 6> kMenus = {{
    {"mnuFile", kFile},
    {"mnupro", kProgramming},
    {"mnuset", kSettings},
    {"mnucom", kPorts},
    {"mnuLanguage", kLanguages},
    {"mnuhelp", kHelp},
}};

}  // namespace

std::span<const MenuLayout> MainMenus() {
    return kMenus;
}

}  // namespace kvd::gui
