#include "shell/ComparisonRows.h"

#include <cstdio>

#include "image/ByteOwners.h"
#include "image/DifferenceTexts.h"
#include "texts/TextIds.h"

namespace kvd::gui {

namespace {

namespace Texts = DifferenceTexts;

// Nothing shows as a dash, so that it cannot pass for an empty text.
UserText Shown(const FieldPlace& place, const FieldValue& value) {
    return std::holds_alternative<std::monostate>(value) ? UserText::Verbatim("-")
                                                         : Texts::ValueText(place, value);
}

UserText Hex(unsigned value, int digits, const char* prefix = "") {
    char text[12];
    std::snprintf(text, sizeof text, "%s%0*X", prefix, digits, value);
    return UserText::Verbatim(text);
}

ComparisonRow Heading(UserText caption) {
    return {true, std::move(caption), {}, {}};
}

}  // namespace

std::vector<ComparisonRow> RowsOf(const Differences& differences) {
    std::vector<ComparisonRow> rows;
    int channel = 0;
    bool settings = false;
    for (const Difference& d : differences) {
        if (d.place.isChannel() && d.place.channel != channel) {
            channel = d.place.channel;
            rows.push_back(Heading(Texts::ChannelHeading(channel)));
        } else if (!d.place.isChannel() && !settings) {
            settings = true;
            rows.push_back(Heading(TextIds::compare::settings));
        }
        rows.push_back({false, Texts::FieldCaption(d.place), Shown(d.place, d.ours),
                        Shown(d.place, d.theirs)});
    }
    return rows;
}

std::vector<ComparisonRow> RowsOf(const link::WriteComparison& comparison) {
    std::vector<ComparisonRow> rows = RowsOf(comparison.fields);
    const std::vector<link::ByteDifference> bytes = comparison.bytesNoFieldShows();
    if (!bytes.empty()) {
        rows.push_back(Heading(TextIds::compare::otherBytes));
    }
    for (const link::ByteDifference& b : bytes) {
        const UserText offset(TextIds::compare::byteOwner,
                              {Hex(static_cast<unsigned>(b.offset), 3, "0x"),
                               Texts::OwnerText(OwnerOfByte(b.offset))});
        rows.push_back({false, offset, Hex(b.ours, 2), Hex(b.theirs, 2)});
    }
    return rows;
}

}  // namespace kvd::gui
