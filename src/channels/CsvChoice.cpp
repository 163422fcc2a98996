#include "channels/CsvChoice.h"

#include <algorithm>
#include <optional>

#include "channels/Csv.h"

namespace kvd::CsvExchange {

RowChoice::RowChoice(const FileReading& reading)
    : reading_(&reading), chosen_(reading.rows.size(), false) {
    for (std::size_t row = 0; row < chosen_.size() && count_ < Channels::kCount; ++row) {
        choose(row);
    }
}

RowChoice::Outcome RowChoice::choose(std::size_t row) {
    if (row >= chosen_.size()) {
        return Outcome::NoSuchRow;
    }
    if (!reading_->rows[row].usable()) {
        return Outcome::Unusable;
    }
    if (chosen_[row]) {
        return Outcome::Chosen;
    }
    if (count_ == Channels::kCount) {
        return Outcome::Full;
    }
    chosen_[row] = true;
    ++count_;
    return Outcome::Chosen;
}

void RowChoice::drop(std::size_t row) {
    if (isChosen(row)) {
        chosen_[row] = false;
        --count_;
    }
}

void RowChoice::clear() {
    std::fill(chosen_.begin(), chosen_.end(), false);
    count_ = 0;
}

bool RowChoice::isChosen(std::size_t row) const {
    return row < chosen_.size() && chosen_[row];
}

std::vector<std::size_t> RowChoice::leftOut() const {
    std::vector<std::size_t> rows;
    for (std::size_t row = 0; row < chosen_.size(); ++row) {
        if (!chosen_[row]) {
            rows.push_back(row);
        }
    }
    return rows;
}

Placement RowChoice::place() const {
    Placement placement;
    const bool keep = reading_->keepsLocations();
    for (std::size_t row = 0; row < chosen_.size(); ++row) {
        if (!chosen_[row]) {
            continue;
        }
        const FileRow& r = reading_->rows[row];
        ++placement.imported;
        const int number = keep ? static_cast<int>(*r.location) : placement.imported;
        placement.channels[number] = r.channel;
        placement.moved += r.moved;
    }
    return placement;
}

namespace {

struct LocationRange {
    std::string item;
    long first;
    long last;
};

// "12" or "20-22"; nullopt for anything else.
std::optional<LocationRange> RangeOf(const std::string& item) {
    const std::size_t dash = item.find('-');
    const std::optional<long> first = LocationNumber(Csv::Trimmed(item.substr(0, dash)));
    const std::optional<long> last =
        dash == std::string::npos ? first : LocationNumber(Csv::Trimmed(item.substr(dash + 1)));
    if (!first || !last) {
        return std::nullopt;
    }
    return LocationRange{item, *first, *last};
}

}  // namespace

std::vector<LocationListFault> ChooseByLocations(RowChoice& choice, const FileReading& reading,
                                                 std::string_view list) {
    using Fault = LocationListFault;
    std::vector<LocationRange> ranges;
    for (std::size_t start = 0;;) {
        const std::size_t comma = list.find(',', start);
        const std::string item = Csv::Trimmed(list.substr(start, comma - start));
        const std::optional<LocationRange> range = RangeOf(item);
        if (!range) {
            return {Fault{Fault::Malformed, item}};
        }
        ranges.push_back(*range);
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }

    std::vector<Fault> faults;
    std::vector<bool> named(reading.rows.size(), false);
    for (const LocationRange& range : ranges) {
        if (range.last < range.first) {
            faults.push_back({Fault::Reversed, range.item});
            continue;
        }
        bool found = false;
        for (std::size_t row = 0; row < reading.rows.size(); ++row) {
            const std::optional<long>& location = reading.rows[row].location;
            if (location && *location >= range.first && *location <= range.last) {
                named[row] = found = true;
            }
        }
        if (!found) {
            faults.push_back({range.first == range.last ? Fault::NoSuchLocation : Fault::EmptyRange,
                              range.item});
        }
    }
    for (std::size_t row = 0; row < named.size(); ++row) {
        if (named[row] && !reading.rows[row].usable()) {
            faults.push_back({Fault::UnusableRow, {}, row});
        }
    }
    const int count = static_cast<int>(std::count(named.begin(), named.end(), true));
    if (count > Channels::kCount) {
        faults.push_back({Fault::TooMany, {}, 0, count});
    }
    if (faults.empty()) {
        choice.clear();
        for (std::size_t row = 0; row < named.size(); ++row) {
            if (named[row]) {
                choice.choose(row);
            }
        }
    }
    return faults;
}

}  // namespace kvd::CsvExchange
