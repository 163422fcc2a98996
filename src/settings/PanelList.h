#pragma once

namespace kvd {

// The six lists of the main window's function-set panel.
enum class PanelList { VoicePrompt, Timeout, TimeoutWarning, Squelch, BatterySave, Beep };

namespace PanelLists {
constexpr int kCount = 6;
constexpr PanelList kAll[kCount] = {PanelList::VoicePrompt,    PanelList::Timeout,
                                    PanelList::TimeoutWarning, PanelList::Squelch,
                                    PanelList::BatterySave,    PanelList::Beep};
}  // namespace PanelLists

}  // namespace kvd
