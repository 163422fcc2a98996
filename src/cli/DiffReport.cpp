#include "cli/DiffReport.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "catalogue/Catalogue.h"
#include "cli/Json.h"
#include "cli/StateReport.h"
#include "cli/TextColumns.h"
#include "image/DifferenceTexts.h"
#include "texts/TextIds.h"

namespace kvd::cli {

namespace {

namespace Texts = DifferenceTexts;

constexpr int kIndent = 2;
constexpr int kEmptyWidth = 12;

// Texts are quoted, so that an empty text and spaces show; nothing is a dash.
std::string Shown(const FieldPlace& place, const FieldValue& value, LanguageId language) {
    if (std::holds_alternative<std::monostate>(value)) {
        return "-";
    }
    const std::string text = TextIn(Texts::ValueText(place, value), language);
    return std::holds_alternative<std::string>(value) ? JsonString(text) : text;
}

std::string ValueJson(const FieldPlace& place, const FieldValue& value, LanguageId language) {
    if (std::holds_alternative<std::monostate>(value)) {
        return "null";
    }
    if (const int* number = std::get_if<int>(&value)) {
        return std::to_string(*number);  // the band too: its position, as show --json has it
    }
    if (const bool* box = std::get_if<bool>(&value)) {
        return *box ? "1" : "0";
    }
    return JsonString(TextIn(Texts::ValueText(place, value), language));
}

struct Row {
    std::string heading;  // a channel's, before its first field
    std::string caption, ours, theirs;
};

}  // namespace

namespace {

std::vector<Row> FieldRows(const Differences& differences, LanguageId language) {
    std::vector<Row> rows;
    int channel = 0;
    bool settings = false;
    for (const Difference& d : differences) {
        Row row{{},
                TextIn(Texts::FieldCaption(d.place), language),
                Shown(d.place, d.ours, language),
                Shown(d.place, d.theirs, language)};
        if (d.place.isChannel() && d.place.channel != channel) {
            channel = d.place.channel;
            row.heading = TextIn(Texts::ChannelHeading(channel), language);
        } else if (!d.place.isChannel() && !settings) {
            settings = true;
            row.heading = TextIn(TextIds::cli::settings, language);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string Hex(unsigned value, int digits) {
    char text[8];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

std::string Table(const std::vector<Row>& rows, const Sides& sides, LanguageId language) {
    if (rows.empty()) {
        return TextIn(Texts::NoDifferences(), language) + "\n";
    }
    int captions = kEmptyWidth, ours = DisplayWidth(sides.ours);
    for (const Row& row : rows) {
        captions =
            std::max({captions, kIndent + DisplayWidth(row.caption), DisplayWidth(row.heading)});
        ours = std::max(ours, DisplayWidth(row.ours));
    }
    captions += 2;
    ours += 2;
    std::ostringstream out;
    out << Pad("", captions) << Pad(sides.ours, ours) << sides.theirs << "\n";
    for (const Row& row : rows) {
        if (!row.heading.empty()) {
            out << row.heading << "\n";
        }
        out << Pad(std::string(kIndent, ' ') + row.caption, captions) << Pad(row.ours, ours)
            << row.theirs << "\n";
    }
    return out.str();
}

}  // namespace

std::string DifferencesText(const Differences& differences, const Sides& sides,
                            LanguageId language) {
    return Table(FieldRows(differences, language), sides, language);
}

std::string WriteComparisonText(const link::WriteComparison& comparison, const Sides& sides,
                                LanguageId language) {
    std::vector<Row> rows = FieldRows(comparison.fields, language);
    bool first = true;
    for (const link::ByteDifference& b : comparison.bytesNoFieldShows()) {
        rows.push_back({first ? TextIn(TextIds::cli::otherBytes, language) : "",
                        "0x" + Hex(static_cast<unsigned>(b.offset), 3) + " " +
                            TextIn(Texts::OwnerText(OwnerOfByte(b.offset)), language),
                        Hex(b.ours, 2), Hex(b.theirs, 2)});
        first = false;
    }
    return Table(rows, sides, language);
}

std::string DifferencesJson(const Differences& differences, const Sides& sides,
                            LanguageId language) {
    std::ostringstream out;
    out << "{\n  \"a\": " << JsonString(sides.ours) << ",\n  \"b\": " << JsonString(sides.theirs)
        << ",\n  \"differences\": [";
    bool first = true;
    for (const Difference& d : differences) {
        const FieldPlace& p = d.place;
        out << (first ? "\n    {" : ",\n    {");
        first = false;
        if (p.isChannel()) {
            out << "\"channel\": " << p.channel
                << ", \"field\": " << JsonString(ChannelKey(p.column));
        } else {
            out << "\"setting\": " << JsonString(p.field->name) << ", \"element\": " << p.element;
        }
        out << ", \"a\": " << ValueJson(p, d.ours, language)
            << ", \"b\": " << ValueJson(p, d.theirs, language) << "}";
    }
    out << (first ? "]\n}\n" : "\n  ]\n}\n");
    return out.str();
}

}  // namespace kvd::cli
