#include "printout/PrintedConfiguration.h"

#include <string_view>

#include "catalogue/Catalogue.h"
#include "channels/BandTable.h"
#include "image/DifferenceTexts.h"
#include "image/FieldTable.h"
#include "image/FieldValues.h"
#include "image/RadioState.h"
#include "image/SettingWords.h"
#include "texts/TextIds.h"

namespace kvd::Printout {

namespace {

namespace Id = TextIds::print;
namespace Cells = ChannelCells;

// The windows whose settings a printout lists, in the order it lists them; a field table row
// names its window before the dot of its caption ("Form5.lblCombo4").
struct SectionRow {
    const char* window;  // nullptr: every window not listed before
    TextId heading;
};
constexpr SectionRow kSections[] = {
    {"Form1", TextIds::main::functionFrame},
    {"Form5", TextIds::optional::title},
    {"Form6", TextIds::keys::title},
    {"Form7", TextIds::embedded::title},
    {"Form2", TextIds::power::title},
    {"Form4", TextIds::debugFrequency::title},
    {nullptr, Id::otherSettings},
};

std::string_view WindowOf(const FieldTable::Field& field) {
    const std::string_view caption = field.caption;
    return caption.substr(0, caption.find('.'));
}

bool Listed(std::string_view window) {
    for (const SectionRow& row : kSections) {
        if (row.window && window == row.window) {
            return true;
        }
    }
    return false;
}

std::vector<Setting> SettingsOf(const SectionRow& section, const RadioState& state,
                                LanguageId language) {
    std::vector<Setting> settings;
    for (const FieldTable::Field& field : FieldTable::All()) {
        const std::string_view window = WindowOf(field);
        const bool here = section.window ? window == section.window : !Listed(window);
        if (!here || &field == &FieldTable::Band()) {
            continue;
        }
        for (int element = 0; element < field.count; ++element) {
            settings.push_back(
                {TextIn(SettingWords::ElementCaption(field, element), language),
                 TextIn(SettingWords::ValueWords(field, SettingValue(field, state, element)),
                        language)});
        }
    }
    return settings;
}

}  // namespace

PrintedConfiguration Describe(const RadioState& state, const Heading& heading,
                              LanguageId language) {
    auto say = [&](const UserText& text) { return TextIn(text, language); };
    PrintedConfiguration printed;
    printed.language = language;
    printed.title = say(Id::title);
    if (!say(heading.source).empty()) {
        printed.source = say({Id::source, {heading.source}});
    }
    printed.date = say({Id::date, {UserText::Verbatim(heading.date)}});
    printed.band = say({Id::band, {UserText::Verbatim(BandTable::At(state.band.position()).text)}});
    printed.columns[Cells::kNumber] = say(TextIds::grid::channel);
    for (int column = 1; column < Cells::kColumns; ++column) {
        printed.columns[column] = say(DifferenceTexts::FieldCaption({1, column}));
    }
    for (int number = 1; number <= Channels::kCount; ++number) {
        for (int column = 0; column < Cells::kColumns; ++column) {
            printed.channels[number - 1][column] = say(Cells::Text(state.channels, number, column));
        }
    }
    for (const SectionRow& row : kSections) {
        std::vector<Setting> settings = SettingsOf(row, state, language);
        if (!settings.empty()) {
            printed.sections.push_back({say(row.heading), std::move(settings)});
        }
    }
    return printed;
}

}  // namespace kvd::Printout
