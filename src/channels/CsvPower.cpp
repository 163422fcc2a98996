#include "channels/CsvPower.h"

#include "channels/Csv.h"
#include "channels/CsvFaults.h"
#include "channels/Raster.h"

namespace kvd::CsvExchange {

namespace {

struct Level {
    Power power;
    const char* watts;
    const char* word;
    const char* letter;
};

constexpr Level kLevels[] = {{Power::High, "5.0W", "high", "h"}, {Power::Low, "1.0W", "low", "l"}};

// Halfway between 1 W and 5 W: from here up a value is nearer to High (or as near).
constexpr int kHalfwayWatts = 3;

// Whole watts of a plain decimal number are at least kHalfwayWatts; compared on the digits,
// so no value is rounded across the halfway point.
bool AtLeastHalfway(const std::string& number) {
    std::string whole = number.substr(0, number.find('.'));
    whole.erase(0, whole.find_first_not_of('0'));
    return whole.size() > 1 || (whole.size() == 1 && whole[0] - '0' >= kHalfwayWatts);
}

}  // namespace

std::string PowerText(Power power) {
    for (const Level& level : kLevels) {
        if (level.power == power) {
            return level.watts;
        }
    }
    return kLevels[0].watts;
}

Power PowerField(const std::string& text) {
    std::string value = Csv::Lowered(text);
    if (value.empty()) {
        return Power::High;
    }
    for (const Level& level : kLevels) {
        if (value == level.word || value == level.letter) {
            return level.power;
        }
    }
    if (value.back() == 'w') {
        value.pop_back();
        while (!value.empty() && value.back() == ' ') {
            value.pop_back();
        }
    }
    if (!RoundDecimalText(value, 0)) {
        throw RowFault{RowProblem::BadPower, text};
    }
    return AtLeastHalfway(value) ? Power::High : Power::Low;
}

}  // namespace kvd::CsvExchange
