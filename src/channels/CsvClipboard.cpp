#include "channels/CsvClipboard.h"

#include "channels/Csv.h"
#include "channels/CsvExchange.h"

namespace kvd::CsvExchange {

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

std::string Unquoted(std::string_view field) {
    if (field.size() < 2 || field.front() != '"' || field.back() != '"') {
        return std::string(field);
    }
    std::string text;
    for (std::size_t i = 1; i + 1 < field.size(); ++i) {
        text += field[i];
        if (field[i] == '"' && field[i + 1] == '"') {
            ++i;  // a doubled quote stands for one
        }
    }
    return text;
}

}  // namespace

std::string ExportRows(const Channels& channels, const std::vector<int>& rows, bool withBusyLock) {
    Channels chosen;
    for (int row : rows) {
        if (channels.has(row)) {
            chosen[row] = channels[row];
        }
    }
    return Export(chosen, withBusyLock);
}

std::string TabSeparated(std::string_view csv) {
    std::vector<Csv::Row> rows;
    int badLine = 0;
    Csv::Parse(csv, rows, badLine);
    std::string text;
    for (const Csv::Row& row : rows) {
        for (std::size_t i = 0; i < row.fields.size(); ++i) {
            text += (i ? "\t" : "") + row.fields[i];
        }
        text += '\n';
    }
    return text;
}

std::string CsvFromTabSeparated(std::string_view text) {
    std::string csv;
    for (std::string_view line : Split(text, '\n')) {
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty()) {
            continue;
        }
        std::vector<std::string> fields;
        for (std::string_view field : Split(line, '\t')) {
            fields.push_back(Unquoted(field));
        }
        csv += Csv::FormatRow(fields);
    }
    return csv;
}

bool LooksTabSeparated(std::string_view text) {
    return text.substr(0, text.find('\n')).find('\t') != std::string_view::npos;
}

}  // namespace kvd::CsvExchange
