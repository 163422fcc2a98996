#include "dialogs/DialogCaptions.h"

#include <array>

namespace kvd::gui::DialogCaptions {

namespace {

constexpr Caption::Kind T = Caption::Text;

constexpr LocalText kOk{"确定", "OK"};
constexpr LocalText kCancel{"取消", "Cancel"};

// Texts are the radio maker's own, spelling included.
constexpr std::array<LocalText, 12> kKeyFunctions = {{
    {"自动拨号", "Automatic dial-up"},
    {"OFF", "OFF"},
    {"按键锁定", "Keys lock"},
    {"按键锁定及备份", "Key lock & backup"},
    {"监听", "Surveillance"},
    {"监听瞬时", "Surveillance instant"},
    {"扫描", "Scan"},
    {"扫描+暂时删除", "Scan & Delete temporary"},
    {"照明灯开关", "Floodlight switch"},
    {"取消静噪", "Cancel static noise"},
    {"瞬时取消静噪", "Instant cancel static noise"},
    {"暂时删除", "Delete temporary"},
}};

constexpr std::array<Caption, 5> kKeysSet = {{
    {"Form6", T, {"键设定", "Keys Set"}},
    {"Label1", T, {"PF1", "PF1"}},
    {"Label2", T, {"PF2", "PF2"}},
    {"Command1", T, kOk},
    {"Command2", T, kCancel},
}};
constexpr std::array<ListCaption, 2> kKeyLists = {
    {{"Combo1", kKeyFunctions}, {"Combo2", kKeyFunctions}}};

constexpr std::array<Caption, 3> kEmbeddedInformation = {{
    {"Form7", T, {"嵌入信息", "Embedded Information"}},
    {"Command1", T, kOk},
    {"Command2", T, kCancel},
}};

constexpr std::array<Caption, 3> kDebugFrequency = {{
    {"Form4", T, {"测试频率", "测试频率"}},
    {"Command1", T, kOk},
    {"Command2", T, kCancel},
}};
constexpr std::array<LocalText, 3> kDebugFrequencyHeaders = {{
    {"频道", "Channel"},
    {"接收频率", "RX Frequency"},
    {"发射频率", "TX Frequency"},
}};

constexpr LocalText kLow{"最小", "Low"};
constexpr LocalText kHigh{"最大", "Hight"};
constexpr std::array<Caption, 8> kPowerDebug = {{
    {"Form2", T, {"Debug", "Debug"}},
    {"Frame1", T, {"发射高功率", "TX-Hight Power"}},
    {"Label3", T, kLow},
    {"Label8", T, kHigh},
    {"Frame2", T, {"发射低功率", "TX-Low Power"}},
    {"Label6", T, kLow},
    {"Label7", T, kHigh},
    {"Command1", T, kOk},
}};

constexpr std::array<Caption, 5> kAbout = {{
    {"frmAbout", T, {"关于", "About"}},
    {"lblTitle", T, {"KVD-270 对讲机编程软件", "KVD-270 Radio Software "}},
    {"lblVersion", T, {"简体中文版 V1.00", "English version V1.00"}},
    {"Label2", T, {"发布：2011.08“", "Issue：2011.08"}},
    {"cmdOK", T, kOk},
}};

}  // namespace

CaptionTable KeysSet() {
    return {kKeysSet, kKeyLists};
}
CaptionTable EmbeddedInformation() {
    return {kEmbeddedInformation, {}};
}
CaptionTable DebugFrequency() {
    return {kDebugFrequency, {}};
}
CaptionTable PowerDebug() {
    return {kPowerDebug, {}};
}
CaptionTable About() {
    return {kAbout, {}};
}

std::span<const LocalText> KeyFunctions() {
    return kKeyFunctions;
}
std::span<const LocalText> DebugFrequencyHeaders() {
    return kDebugFrequencyHeaders;
}

}  // namespace kvd::gui::DialogCaptions
