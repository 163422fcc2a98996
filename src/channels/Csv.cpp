#include "channels/Csv.h"

#include <cctype>

namespace kvd::Csv {

namespace {

bool IsBlank(const Row& row) {
    return row.fields.size() == 1 && row.fields[0].empty();
}

}  // namespace

bool Parse(std::string_view text, std::vector<Row>& rows, int& badLine) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    rows.clear();
    int line = 1;
    Row row{line, {std::string()}};
    bool quoted = false;
    int quoteLine = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        std::string& field = row.fields.back();
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                line += c == '\n';
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
            quoteLine = line;
        } else if (c == ',') {
            row.fields.emplace_back();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            if (!IsBlank(row)) {
                rows.push_back(std::move(row));
            }
            ++line;
            row = Row{line, {std::string()}};
        } else {
            field += c;
        }
    }
    if (quoted) {
        badLine = quoteLine;
        return false;
    }
    if (!IsBlank(row)) {
        rows.push_back(std::move(row));
    }
    return true;
}

std::string FormatRow(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string& f = fields[i];
        out += i ? "," : "";
        if (f.find_first_of(",\"\r\n") == std::string::npos) {
            out += f;
            continue;
        }
        out += '"';
        for (char c : f) {
            out += c == '"' ? "\"\"" : std::string(1, c);
        }
        out += '"';
    }
    return out + "\r\n";
}

std::string Trimmed(std::string_view field) {
    const std::size_t start = field.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        return {};
    }
    return std::string(field.substr(start, field.find_last_not_of(" \t") - start + 1));
}

std::string Lowered(std::string_view field) {
    std::string lower(field);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower;
}

}  // namespace kvd::Csv
