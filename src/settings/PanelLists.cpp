#include "settings/PanelLists.h"

#include <array>

#include "texts/TextIds.h"

namespace kvd::PanelLists {

namespace {

namespace Id = TextIds::panel;

const std::array<TextId, kCount> kCaptions = {
    Id::voicePrompt, Id::timeout, Id::timeoutWarning, Id::squelch, Id::batterySave, Id::beep,
};

const std::array<TextId, 3> kVoicePrompt = {Id::voiceOff, Id::voiceChinese, Id::voiceEnglish};
const std::array<TextId, 2> kOffOn = {Id::off, Id::on};

UserText Numbered(TextId pattern, int number) {
    return {pattern, {UserText::Number(number)}};
}

}  // namespace

TextId Caption(PanelList list) {
    return kCaptions[static_cast<int>(list)];
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

UserText Item(PanelList list, int position) {
    if (position < 0 || position >= ItemCount(list)) {
        return {};
    }
    switch (list) {
        case PanelList::VoicePrompt:
            return kVoicePrompt[position];
        case PanelList::Timeout:
            return Numbered(Id::seconds, (position + 1) * 15);
        case PanelList::TimeoutWarning:
            return position == 0 ? UserText(Id::warningOff) : Numbered(Id::seconds, position);
        case PanelList::Squelch:
            return Numbered(Id::grade, position);
        case PanelList::BatterySave:
        case PanelList::Beep:
            return kOffOn[position];
    }
    return {};
}

}  // namespace kvd::PanelLists
