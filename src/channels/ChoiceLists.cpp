#include "channels/ChoiceLists.h"

namespace kvd::ChoiceLists {

namespace {

// Rows are columns 5..8 of the channel table; the texts are the radio maker's own.
constexpr std::array<std::array<LocalText, kItems>, 4> kLists = {{
    {{{"低", "Low"}, {"高", "Hight"}}},
    {{{"载波", "Carrow"}, {"关闭", "Off"}}},
    {{{"窄带", "Narrow"}, {"宽带", "Wide"}}},
    {{{"无", "No"}, {"有", "Have"}}},
}};

constexpr std::array<LocalText, 9> kCaptions = {{
    {"信道", "Channel"},
    {"接收频率", "RX frequency"},
    {"亚音频", "QT/DQT"},
    {"发射频率", "TX frequency"},
    {"亚音频", "QT/DQT"},
    {"功率", "Power"},
    {"禁发", "Forbid"},
    {"宽\\窄带", "Band"},
    {"扫描添加", "Scan"},
}};

bool IsChoiceColumn(int column) {
    return column >= kFirstChoiceColumn && column <= kLastChoiceColumn;
}

}  // namespace

std::string Text(int column, int position, LanguageId language) {
    if (!IsChoiceColumn(column) || position < 0 || position >= kItems) {
        return {};
    }
    return kLists[column - kFirstChoiceColumn][position].pick(language);
}

const LocalText& ColumnCaption(int column) {
    static const LocalText kNone{"", ""};
    if (column < 0 || column >= static_cast<int>(kCaptions.size())) {
        return kNone;
    }
    return kCaptions[column];
}

}  // namespace kvd::ChoiceLists
