#include "dialogs/OptionalFunctionTable.h"

#include <array>

namespace kvd::gui::OptionalFunctionTable {

namespace {

using S = ListSetting;
constexpr Caption::Kind T = Caption::Text;

using Set = Settings;

// Texts are the radio maker's own, spelling included.
constexpr LocalText kOffOn[] = {{"禁止", "Off"}, {"使能", "On"}};
constexpr LocalText kOff[] = {{"关闭", "Off"}};
constexpr LocalText kEmpty[] = {{"空", "Empty"}};
constexpr LocalText kPttId[] = {
    {"发射开始", "Launch Start"}, {"发射结束", "Launch End"}, {"两者", "Both"}};
constexpr LocalText kPriority[] = {{"无", "No"}, {"固定", "Fixed"}, {"选定", "Selected"}};
constexpr LocalText kReturnChannel[] = {{"选定", "Selected"},
                                        {"选定+当前", "Selected+Current"},
                                        {"优先", "priority"},
                                        {"优先+当前", "priority+Current"}};

QStringList Numbered(int first, int last, const char* prefix, const char* suffix, int width = 0) {
    QStringList items;
    for (int i = first; i <= last; ++i) {
        items << QString::fromUtf8(prefix) + QStringLiteral("%1").arg(i, width, 10, QChar(u'0')) +
                     QString::fromUtf8(suffix);
    }
    return items;
}

QStringList VoxGains() {
    return Numbered(1, 10, "", "");
}
QStringList VoxDelays() {
    return {"0.3S", "0.5S", "1S", "1.5S", "2S", "3S"};
}
QStringList ChannelNumbers() {
    return Numbered(1, 16, "", "", 2);
}

// 0.50 S to 5.00 S in steps of 0.05 s; counted in hundredths so no step drifts.
QStringList RetraceTimes() {
    QStringList items;
    for (int i = 1; i <= 91; ++i) {
        items << QString::number((50 + 5 * (i - 1)) / 100.0, 'f', 2) + QStringLiteral(" S");
    }
    return items;
}

QStringList DtmfRates() {
    return {"6位", "8位", "10位", "15位"};
}
QStringList DigitTimes() {
    return {"OFF", "100MS", "500MS", "1000MS"};
}
QStringList DigitDelays() {
    QStringList items;
    for (int ms = 100; ms <= 1000; ms += 50) {
        items << QString::number(ms) + QStringLiteral("MS");
    }
    return items;
}
QStringList DKey() {
    return QStringList{"D码"} + Numbered(1, 16, "", "秒");
}
QStringList SideTone() {
    return {"禁止", "使能"};
}
QStringList GroupCall() {
    return {"关闭", "*", "#", "A", "B", "C", "D"};
}
QStringList ResetTimer() {
    return QStringList{"关闭"} + Numbered(1, 15, "", "秒");
}

const std::array<OptionalList, 11> kLeading = {{
    {"Combo4", {&Set::pttId}, kPttId},
    {"Combo6", {&Set::voxFunction}, kOffOn},
    {"Combo7", {&Set::voxGain}, kOff, VoxGains},
    {"Combo8", {&Set::voxDelay}, {}, VoxDelays},
    {"Combo9", {&Set::voxVolumeControl}, kOffOn},
    {"Combo10", {&Set::duplicate}, kOffOn},
    {"Combo11", {&Set::scanPriority}, kPriority},
    {"Combo12", {&Set::priorityChannel, S::ChannelNumber}, {}, ChannelNumbers},
    {"Combo13", {&Set::retraceTimeA}, kEmpty, RetraceTimes},
    {"Combo14", {&Set::retraceTimeB}, kEmpty, RetraceTimes},
    {"Combo15", {&Set::returnChannel}, kReturnChannel},
}};

// The DTMF group reads the same in both languages.
const std::array<OptionalList, 8> kDtmf = {{
    {"Combo0", {&Set::dtmfRate}, {}, DtmfRates},
    {"Combo16", {&Set::firstDigitTime}, {}, DigitTimes},
    {"Combo18", {&Set::firstDigitDelay, S::Milliseconds}, {}, DigitDelays},
    {"Combo17", {&Set::starHashTone}, {}, DigitTimes},
    {"Combo19", {&Set::dKeyFunction}, {}, DKey},
    {"Combo20", {&Set::dtmfSideTone}, {}, SideTone},
    {"Combo22", {&Set::groupCallCode}, {}, GroupCall},
    {"Combo21", {&Set::autoResetTimer}, {}, ResetTimer},
}};

constexpr std::array<ListCaption, 9> kListCaptions = {{
    {"Combo4", kPttId},
    {"Combo6", kOffOn},
    {"Combo7", kOff},
    {"Combo9", kOffOn},
    {"Combo10", kOffOn},
    {"Combo11", kPriority},
    {"Combo13", kEmpty},
    {"Combo14", kEmpty},
    {"Combo15", kReturnChannel},
}};

// A caption given once reads the same in both languages.
constexpr std::array<Caption, 32> kCaptions = {{
    {"Form5", T, {"可选功能", "Optional Function"}},
    {"fraVox", T, {"VOX", "VOX"}},
    {"lblCombo6", T, {"VOX功能", "VOX Function"}},
    {"lblCombo7", T, {"VOX增益电平", "VOX GBIN"}},
    {"lblCombo8", T, {"VOX延迟时间", "VOX Delay time"}},
    {"lblCombo9", T, {"VOX可进行音调", "VOX volume control"}},
    {"Check3", T, {"取消操作", "Cancel operation"}},
    {"Check4", T, {"接收时禁止VOX", "Received banned VOX"}},
    {"fraScan", T, {"扫描", "Scan"}},
    {"lblCombo11", T, {"优先", "Priority"}},
    {"lblCombo12", T, {"优先信道", "Preferred channel"}},
    {"lblCombo13", T, {"回扫时间A", "Retrace Time A"}},
    {"lblCombo14", T, {"回扫时间B", "Retrace Time B"}},
    {"lblCombo15", T, {"返回信道", "Return channel"}},
    {"lblText5", T, {"扫描接收恢复延时时间(秒)", "Scan receive delay time(S)"}},
    {"lblText6", T, {"扫描发射恢复延时时间(秒)", "Scan launch delay time(S)"}},
    {"fraDtmf", T, {"DTMF", "DTMF"}},
    {"lblCombo0", T, {"DTMF 速率", "DTMF 速率"}},
    {"lblCombo16", T, {"首位数码时间", "首位数码时间"}},
    {"lblCombo18", T, {"首位数码延迟", "首位数码延迟"}},
    {"lblCombo17", T, {"*和#音", "*和#音"}},
    {"lblCombo19", T, {"D键设定", "D键设定"}},
    {"lblCombo20", T, {"DTMF 侧音", "DTMF 侧音"}},
    {"lblCombo22", T, {"组呼码", "组呼码"}},
    {"lblCombo21", T, {"自动复位定时器", "自动复位定时器"}},
    {"lblCombo4", T, {"PTT ID", "PTT ID"}},
    {"lblCombo10", T, {"复制", "Duplicate"}},
    {"lblText1", T, {"ID码", "ID码"}},
    {"lblText3", T, {"发射开始(16位)", "发射开始(16位)"}},
    {"lblText4", T, {"发射结束(16位)", "发射结束(16位)"}},
    {"Command1", T, {"确定", "OK"}},
    {"Command2", T, {"取消", "Cancel"}},
}};

constexpr std::array<DelayField, 2> kDelayFields = {{
    {"Text5", &Set::scanReceiveDelay},
    {"Text6", &Set::scanTransmitDelay},
}};
constexpr std::array<CodeField, 3> kCodeFields = {{
    {"Text1", &Set::idCode},
    {"Text3", &Set::transmitStartCode},
    {"Text4", &Set::transmitEndCode},
}};
constexpr std::array<CheckField, 2> kCheckBoxes = {{
    {"Check3", &Set::voxCancelOperation},
    {"Check4", &Set::voxOffWhileReceiving},
}};

constexpr std::array<const char*, 3> kGestureCaptions = {"lblCombo13", "lblCombo14", "lblCombo15"};

}  // namespace

std::span<const OptionalList> LeadingLists() {
    return kLeading;
}
std::span<const OptionalList> DtmfLists() {
    return kDtmf;
}

std::span<const DelayField> DelayFields() {
    return kDelayFields;
}
std::span<const CodeField> CodeFields() {
    return kCodeFields;
}
std::span<const CheckField> CheckBoxes() {
    return kCheckBoxes;
}

QStringList Items(const OptionalList& list, LanguageId language) {
    QStringList items;
    for (const LocalText& item : list.localItems) {
        items << QString::fromUtf8(item.pick(language));
    }
    if (list.fixedItems) {
        items << list.fixedItems();
    }
    return items;
}

int IndexOf(const ListSetting& setting, int value, int count) {
    int index = value;
    if (setting.unit == S::ChannelNumber) {
        index = value - 1;
    } else if (setting.unit == S::Milliseconds) {
        index = value >= 100 && (value - 100) % 50 == 0 ? (value - 100) / 50 : -1;
    }
    return index >= 0 && index < count ? index : 0;
}

int ValueOf(const ListSetting& setting, int index) {
    switch (setting.unit) {
        case S::ChannelNumber:
            return index + 1;
        case S::Milliseconds:
            return 100 + 50 * index;
        case S::Index:
            break;
    }
    return index;
}

int Read(const Settings& settings, const ListSetting& setting) {
    return settings.*setting.member;
}

void Write(Settings& settings, const ListSetting& setting, int value) {
    settings.*setting.member = static_cast<std::int16_t>(value);
}

CaptionTable Captions() {
    return {kCaptions, kListCaptions};
}

std::span<const char* const> GestureCaptions() {
    return kGestureCaptions;
}

}  // namespace kvd::gui::OptionalFunctionTable
