#include "image/FieldTable.h"

#include <algorithm>
#include <cstdlib>

namespace kvd::FieldTable {

namespace {

using C = Codec;
using O = OldSlot;
using S = Settings;

constexpr Range kAny = {};
constexpr Range kByte = {0, 255};
constexpr Range kScanDelays = {-32768, 300};  // FF FF of an erased radio reads as -1

constexpr Start Number(int number) {
    return {number, {}, false};
}
constexpr Start kNone = {0, {}, true};
constexpr Start kEmpty = {};

constexpr std::string_view kOne[] = {"1"};
constexpr std::string_view kTwo[] = {"2"};
constexpr std::string_view kOwnNumbers[] = {"1", "2", "3", "4", "5", "6", "7", "8"};

constexpr O F(int slot) {
    return {O::FunctionOptions, slot, nullptr};
}
constexpr O B(int slot) {
    return {O::BasicOptions, slot, nullptr};
}
constexpr O Panel(PanelList list, const char* key) {
    return {O::Panel, static_cast<int>(list), key};
}
constexpr O Program(const char* key) {
    return {O::Program, 0, key};
}

// clang-format off
constexpr std::array<Field, 40> kFields = {{
    // name                  offset width codec          accepted      editable      start
    {"dtmfRate",             0x100, 1, C::Byte,       {0, 3},       {},           Number(0),  B(0),  &S::dtmfRate,             "Form5.lblCombo0"},
    {"firstDigitTime",       0x101, 1, C::Byte,       {0, 3},       {},           Number(1),  B(1),  &S::firstDigitTime,       "Form5.lblCombo16"},
    {"firstDigitDelay",      0x102, 1, C::Tens,       {100, 1000},  {},           Number(0),  B(2),  &S::firstDigitDelay,      "Form5.lblCombo18"},
    {"starHashTone",         0x103, 1, C::Byte,       {0, 3},       {},           Number(1),  B(3),  &S::starHashTone,         "Form5.lblCombo17"},
    {"dKeyFunction",         0x104, 1, C::Byte,       {0, 16},      {},           Number(1),  B(4),  &S::dKeyFunction,         "Form5.lblCombo19"},
    {"dtmfSideTone",         0x105, 1, C::Byte,       {0, 1},       {},           Number(1),  B(5),  &S::dtmfSideTone,         "Form5.lblCombo20"},
    {"groupCallCode",        0x106, 1, C::AsciiDigit, {0, 9},       {0, 6},       Number(0),  B(6),  &S::groupCallCode,        "Form5.lblCombo22"},
    {"autoResetTimer",       0x107, 1, C::Byte,       {0, 15},      {},           Number(0),  B(7),  &S::autoResetTimer,       "Form5.lblCombo21"},
    {"pf1Function",          0x10D, 1, C::Byte,       {0, 11},      {},           Number(10), Program("key_function_1"), &S::pf1Function, "Form6.Label1"},
    {"pf2Function",          0x10E, 1, C::Byte,       {0, 11},      {},           Number(0),  Program("key_function_2"), &S::pf2Function, "Form6.Label2"},
    {"idCode",               0x110, 10, C::Text,      kAny,         {},           kEmpty,     F(16), &S::idCode,               "Form5.lblText1"},
    {"voicePrompt",          0x11F, 1, C::Byte,       {0, 2},       {},           Number(1),  Panel(PanelList::VoicePrompt, "voice_prompt"),    &S::voicePrompt,     "Form1.Label4"},
    {"transmitTimeout",      0x120, 1, C::PlusOne,    {-1, 39},     {0, 39},      Number(1),  Panel(PanelList::Timeout, "timeout"),         &S::transmitTimeout, "Form1.Label5"},
    {"timeoutWarning",       0x121, 1, C::Byte,       {0, 10},      {},           Number(1),  Panel(PanelList::TimeoutWarning, "timeout_warning"), &S::timeoutWarning,  "Form1.Label1"},
    {"pttId",                0x122, 1, C::Byte,       {0, 2},       {},           Number(1),  F(4),  &S::pttId,                "Form5.lblCombo4"},
    {"squelchLevel",         0x124, 1, C::Byte,       {0, 9},       {},           Number(1),  Panel(PanelList::Squelch, "squelch"),         &S::squelchLevel,    "Form1.Label6"},
    {"batterySave",          0x125, 1, C::Byte,       {0, 1},       {},           Number(1),  Panel(PanelList::BatterySave, "battery_save"),    &S::batterySave,     "Form1.Label7"},
    {"beep",                 0x126, 1, C::Byte,       {0, 1},       {},           Number(1),  Panel(PanelList::Beep, "beep"),            &S::beep,            "Form1.Label8"},
    {"voxCancelOperation",   0x127, 1, C::Byte,       {0, 1},       {},           Number(1),  F(23), &S::voxCancelOperation,   "Form5.Check3"},
    {"voxOffWhileReceiving", 0x128, 1, C::Byte,       {0, 1},       {},           Number(1),  F(24), &S::voxOffWhileReceiving, "Form5.Check4"},
    {"voxFunction",          0x129, 1, C::Byte,       {0, 1},       {},           Number(1),  F(6),  &S::voxFunction,          "Form5.lblCombo6"},
    {"voxGain",              0x12A, 1, C::Byte,       {0, 10},      {},           Number(1),  F(7),  &S::voxGain,              "Form5.lblCombo7"},
    {"voxDelay",             0x12B, 1, C::Byte,       {0, 5},       {},           Number(1),  F(8),  &S::voxDelay,             "Form5.lblCombo8"},
    {"voxVolumeControl",     0x12C, 1, C::Byte,       {0, 1},       {},           Number(1),  F(9),  &S::voxVolumeControl,     "Form5.lblCombo9"},
    {"duplicate",            0x12E, 1, C::Bit0,       {0, 1},       {},           Number(1),  F(10), &S::duplicate,            "Form5.lblCombo10"},
    {"transmitStartCode",    0x130, 16, C::Text,      kAny,         {},           {0, kOne},  F(17), &S::transmitStartCode,    "Form5.lblText3"},
    {"transmitEndCode",      0x140, 16, C::Text,      kAny,         {},           {0, kTwo},  F(18), &S::transmitEndCode,      "Form5.lblText4"},
    {"scanPriority",         0x150, 1, C::Byte,       {0, 2},       {},           Number(0),  F(11), &S::scanPriority,         "Form5.lblCombo11"},
    {"priorityChannel",      0x151, 1, C::Byte,       {1, 16},      {},           Number(1),  F(12), &S::priorityChannel,      "Form5.lblCombo12"},
    {"retraceTimeA",         0x152, 1, C::ZeroAsFF,   {0, 91},      {},           Number(1),  F(13), &S::retraceTimeA,         "Form5.lblCombo13"},
    {"retraceTimeB",         0x153, 1, C::ZeroAsFF,   {0, 91},      {},           Number(1),  F(14), &S::retraceTimeB,         "Form5.lblCombo14"},
    {"returnChannel",        0x154, 1, C::Byte,       {0, 3},       {},           Number(1),  F(15), &S::returnChannel,        "Form5.lblCombo15"},
    {"scanReceiveDelay",     0x155, 2, C::Word,       kScanDelays,  {0, 300},     kNone,      F(19), &S::scanReceiveDelay,     "Form5.lblText5"},
    {"scanTransmitDelay",    0x157, 2, C::Word,       kScanDelays,  {0, 300},     kNone,      F(20), &S::scanTransmitDelay,    "Form5.lblText6"},
    {"highPowerLevel",       0x173, 1, C::Byte,       kByte,        {},           Number(208), Program("high_power_level"), &S::highPowerLevel, "Form2.Frame1"},
    {"lowPowerLevel",        0x178, 1, C::Byte,       kByte,        {},           Number(92),  Program("low_power_level"),  &S::lowPowerLevel,  "Form2.Frame2"},
    {"band",                 0x1AD, 1, C::BandCode,   {0, 6},       {},           Number(0),  Program("band"), std::monostate{}, "Form1.Label3", 1, 0x33C},
    {"autoDialMemories",     0x1F0, 16, C::GroupCode, kAny,         {},           {0, kOwnNumbers}, Program("group_codes"), &S::autoDialMemories, "Form5.mfgrid1", S::kAutoDialMemories},
    {"debugFrequencies",     0x270, 4, C::Frequency,  kAny,         {},           kNone,      Program("debug_frequencies"), &S::debugFrequencies, "Form4.mfgrid1", 2 * S::kDebugRows},
    {"embeddedInfo",         0x2F0, 32, C::Text,      kAny,         {},           kEmpty,     Program("embedded_info"), &S::embeddedInfo, "Form7", S::kEmbeddedLines},
}};
// clang-format on

}  // namespace

std::span<const Field> All() {
    return kFields;
}

const Field& Of(Member member) {
    const auto found = std::find_if(kFields.begin(), kFields.end(),
                                    [&](const Field& field) { return field.member == member; });
    if (found == kFields.end()) {
        std::abort();  // a member without a row: the table is incomplete
    }
    return *found;
}

const Field& Band() {
    return Of(std::monostate{});
}

const Field& Of(PanelList list) {
    const auto found = std::find_if(kFields.begin(), kFields.end(), [&](const Field& field) {
        return field.old.table == OldSlot::Panel && field.old.slot == static_cast<int>(list);
    });
    if (found == kFields.end()) {
        std::abort();
    }
    return *found;
}

}  // namespace kvd::FieldTable
