#include "channels/CsvNumbers.h"

#include <cstdio>

#include "channels/Raster.h"

namespace kvd::CsvExchange {

namespace {

// Whole MHz digits of a frequency or an offset: beyond them a number is no frequency of any
// radio, and in Hz it would no longer fit the arithmetic.
constexpr std::size_t kLargestWholeDigits = 6;

}  // namespace

std::string MHzText(long long hz) {
    char buffer[32];
    const long long size = hz < 0 ? -hz : hz;
    std::snprintf(buffer, sizeof buffer, "%s%lld.%06lld", hz < 0 ? "-" : "", size / 1000000,
                  size % 1000000);
    return buffer;
}

std::optional<long long> HzOf(Frequency frequency) {
    return frequency.isDecimal() ? std::optional<long long>(10LL * frequency.tens()) : std::nullopt;
}

long long HzField(const std::string& text, RowProblem notANumber) {
    std::optional<std::string> rounded = RoundDecimalText(text, 6);
    if (!rounded) {
        throw RowFault{notANumber, text};
    }
    if (rounded->find('.') > kLargestWholeDigits) {
        throw RowFault{RowProblem::NumberTooLarge, text};
    }
    std::string digits = *rounded;
    digits.erase(digits.find('.'), 1);
    return std::stoll(digits);
}

}  // namespace kvd::CsvExchange
