#include "shell/MessageBoxStyle.h"

#include <array>

namespace kvd::gui::MessageBoxStyle {

namespace {

// Button ids of each button set, in the order they stand in the box.
const std::array<QList<int>, 6> kButtonSets = {{
    {kIdOk},
    {kIdOk, kIdCancel},
    {kIdAbort, kIdRetry, kIdIgnore},
    {kIdYes, kIdNo, kIdCancel},
    {kIdYes, kIdNo},
    {kIdRetry, kIdCancel},
}};

struct ButtonInfo {
    QMessageBox::StandardButton standard;
    std::array<const char*, 3> text;  // simplified Chinese, English, traditional Chinese
};

// Indexed by id - 1.
const std::array<ButtonInfo, 7> kButtons = {{
    {QMessageBox::Ok, {"确定", "OK", "確定"}},
    {QMessageBox::Cancel, {"取消", "Cancel", "取消"}},
    {QMessageBox::Abort, {"放弃", "Abort", "放棄"}},
    {QMessageBox::Retry, {"重试", "Retry", "重試"}},
    {QMessageBox::Ignore, {"忽略", "Ignore", "忽略"}},
    {QMessageBox::Yes, {"是", "Yes", "是"}},
    {QMessageBox::No, {"否", "No", "否"}},
}};

bool IsButtonId(int id) {
    return id >= kIdOk && id <= kIdNo;
}

}  // namespace

QList<int> ButtonIds(int style) {
    const int set = style & 0x0F;
    // An unknown button set shows OK alone, as the platform box does.
    return set < static_cast<int>(kButtonSets.size()) ? kButtonSets[set] : kButtonSets[kOk];
}

int DefaultButtonId(int style) {
    const QList<int> ids = ButtonIds(style);
    const int position = (style & 0xF00) >> 8;
    return position < ids.size() ? ids[position] : ids.front();
}

QMessageBox::Icon IconOf(int style) {
    switch (style & 0xF0) {
        case kCritical:
            return QMessageBox::Critical;
        case kQuestion:
            return QMessageBox::Question;
        case kExclamation:
            return QMessageBox::Warning;
        case kInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButton StandardButtonOf(int id) {
    return IsButtonId(id) ? kButtons[id - 1].standard : QMessageBox::NoButton;
}

int IdOf(QMessageBox::StandardButton button) {
    for (int id = kIdOk; id <= kIdNo; ++id) {
        if (kButtons[id - 1].standard == button) {
            return id;
        }
    }
    return 0;
}

const char* ButtonText(int id, LanguageId language) {
    if (!IsButtonId(id) || language < 0 || language > 2) {
        return nullptr;
    }
    return kButtons[id - 1].text[language];
}

}  // namespace kvd::gui::MessageBoxStyle
