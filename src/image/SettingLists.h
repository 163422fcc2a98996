#pragma once

#include <vector>

#include "texts/UserText.h"

namespace kvd {

// The items of the settings' lists, as the controls show them, in list order. Each list
// exists here once; SettingWords.cpp says which setting shows which.
namespace SettingLists {

using Items = std::vector<UserText>;

// The function-set panel of the main window.
Items VoicePrompts();
Items Timeouts();
Items TimeoutWarnings();
Items SquelchGrades();
Items PanelOffOn();

// The optional-function dialog.
Items OffOn();
Items VoxGains();
Items VoxDelays();
Items PttIds();
Items Priorities();
Items ChannelNumbers();
Items RetraceTimes();
Items ReturnChannels();
Items DtmfRates();
Items DigitTimes();
Items DigitDelays();
Items DKey();
Items SideTone();
Items GroupCall();
Items ResetTimer();

// The keys-set dialog: the twelve functions of a side key, by stored value.
Items KeyFunctions();

// The band list.
Items Bands();

}  // namespace SettingLists
}  // namespace kvd
