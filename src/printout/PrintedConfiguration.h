#pragma once

#include <array>
#include <string>
#include <vector>

#include "channels/Channel.h"
#include "channels/ChannelCells.h"
#include "settings/Language.h"
#include "texts/UserText.h"

namespace kvd {
struct RadioState;
}

namespace kvd::Printout {

// What the printout names as its source and its date; the caller knows both.
struct Heading {
    UserText source;   // the file's name, or the window's word for a table read from the radio
    std::string date;  // "2026-05-01"
};

struct Setting {
    std::string name;   // the caption of its control, numbered where a row has several
    std::string value;  // as the control shows it
};

// The settings of one window of the program: the function-set panel or a dialog.
struct Section {
    std::string heading;
    std::vector<Setting> settings;
};

using ChannelRow = std::array<std::string, ChannelCells::kColumns>;

// A configuration as a printout shows it, every text in one language.
struct PrintedConfiguration {
    LanguageId language = kEnglish;
    std::string title;
    std::string source;  // empty when the heading names none
    std::string date;
    std::string band;
    ChannelRow columns;  // the channel table's header
    std::array<ChannelRow, Channels::kCount> channels;
    std::vector<Section> sections;
};

// The texts of a printout of `state` in `language`: the channels as the table shows them,
// every setting of the field table but the band (which the heading names) under the window
// that edits it.
PrintedConfiguration Describe(const RadioState& state, const Heading& heading, LanguageId language);

}  // namespace kvd::Printout
