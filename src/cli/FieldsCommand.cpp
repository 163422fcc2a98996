#include <iostream>
#include <sstream>

#include "cli/Command.h"
#include "cli/Json.h"
#include "image/FieldTable.h"
#include "texts/TextIds.h"

namespace kvd::cli {

namespace {

using FieldTable::Codec;
using FieldTable::Field;
using FieldTable::OldSlot;

const char* CodecName(Codec codec) {
    switch (codec) {
        case Codec::Byte:
            return "byte";
        case Codec::PlusOne:
            return "plus_one";
        case Codec::Tens:
            return "tens";
        case Codec::ZeroAsFF:
            return "zero_as_ff";
        case Codec::AsciiDigit:
            return "ascii_digit";
        case Codec::Bit0:
            return "bit0";
        case Codec::Word:
            return "word";
        case Codec::Text:
            return "text";
        case Codec::GroupCode:
            return "group_code";
        case Codec::Frequency:
            return "frequency";
        case Codec::BandCode:
            return "band_code";
    }
    return "";
}

std::string RangeJson(FieldTable::Range range) {
    if (range.empty()) {
        return "null";
    }
    return "[" + std::to_string(range.lowest) + ", " + std::to_string(range.highest) + "]";
}

std::string StartJson(const Field& f) {
    if (f.start.none) {
        return "null";
    }
    const bool texts = f.codec == Codec::Text || f.codec == Codec::GroupCode;
    if (!texts) {
        return std::to_string(f.start.number);
    }
    std::string out = "[";
    for (int i = 0; i < f.count; ++i) {
        const bool given = i < static_cast<int>(f.start.texts.size());
        out += (i ? ", " : "") + JsonString(given ? f.start.texts[i] : "");
    }
    return out + "]";
}

std::string OldJson(const OldSlot& old) {
    switch (old.table) {
        case OldSlot::FunctionOptions:
            return "{\"table\": \"function_options\", \"slot\": " + std::to_string(old.slot) + "}";
        case OldSlot::BasicOptions:
            return "{\"table\": \"basic_options\", \"slot\": " + std::to_string(old.slot) + "}";
        case OldSlot::Panel:
            return "{\"table\": \"panel\", \"key\": " + JsonString(old.key) + "}";
        case OldSlot::Program:
            return "{\"table\": \"program\", \"key\": " + JsonString(old.key) + "}";
        case OldSlot::None:
            break;
    }
    return "null";
}

}  // namespace

// fields: the field table as JSON, for tools that read the image on their own
int RunFields(const Arguments& args) {
    if (!args.empty()) {
        return FailUsage(TextIds::cli::usageFields);
    }
    std::ostringstream out;
    out << "[\n";
    bool first = true;
    for (const Field& f : FieldTable::All()) {
        out << (first ? "" : ",\n") << "  {\"name\": " << JsonString(f.name)
            << ", \"offset\": " << f.offset << ", \"width\": " << f.width
            << ", \"count\": " << f.count
            << ", \"copy_offset\": " << (f.copyOffset ? std::to_string(f.copyOffset) : "null")
            << ", \"codec\": " << JsonString(CodecName(f.codec))
            << ", \"accepted\": " << RangeJson(f.accepted)
            << ", \"editable\": " << RangeJson(f.userRange()) << ", \"start\": " << StartJson(f)
            << ", \"old\": " << OldJson(f.old) << ", \"caption\": " << JsonString(f.caption) << "}";
        first = false;
    }
    out << "\n]\n";
    std::cout << out.str();
    return kExitOk;
}

}  // namespace kvd::cli
