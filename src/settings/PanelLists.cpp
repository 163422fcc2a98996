#include "settings/PanelLists.h"

#include <array>

namespace kvd::PanelLists {

namespace {

const std::array<ListInfo, kCount> kInfo = {{
    {"Combo2", "Label4", {"语言通知", "Language:"}},
    {"Combo3", "Label5", {"发射超时", "Time-out:"}},
    {"Combo4", "Label1", {"发射超时预警", "Time-out Warn:"}},
    {"Combo9", "Label6", {"静噪等级", "Squelch Grade:"}},
    {"Combo6", "Label7", {"省电", "Battery Save:"}},
    {"Combo7", "Label8", {"提示音", "Beep:"}},
}};

const std::array<LocalText, 3> kVoicePrompt = {
    {{"关", "Off"}, {"中文", "Chinese"}, {"英文", "Englist"}}};
const std::array<LocalText, 2> kOffOn = {{{"禁止", "Off"}, {"使能", "On"}}};
const LocalText kSeconds{" 秒", " S"};
const LocalText kGrade{" 级", " Group"};
const LocalText kWarningOff{"关闭", "Off"};

}  // namespace

const ListInfo& Info(PanelList list) {
    return kInfo[static_cast<int>(list)];
}

int ItemCount(PanelList list) {
    switch (list) {
        case PanelList::VoicePrompt:
            return 3;
        case PanelList::Timeout:
            return 40;
        case PanelList::TimeoutWarning:
            return 11;
        case PanelList::Squelch:
            return 10;
        case PanelList::BatterySave:
        case PanelList::Beep:
            return 2;
    }
    return 0;
}

std::string Item(PanelList list, int position, LanguageId language) {
    if (position < 0 || position >= ItemCount(list)) {
        return {};
    }
    switch (list) {
        case PanelList::VoicePrompt:
            return kVoicePrompt[position].pick(language);
        case PanelList::Timeout:
            return std::to_string((position + 1) * 15) + kSeconds.pick(language);
        case PanelList::TimeoutWarning:
            return position == 0 ? kWarningOff.pick(language)
                                 : std::to_string(position) + kSeconds.pick(language);
        case PanelList::Squelch:
            return std::to_string(position) + kGrade.pick(language);
        case PanelList::BatterySave:
        case PanelList::Beep:
            return kOffOn[position].pick(language);
    }
    return {};
}

}  // namespace kvd::PanelLists
