#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kvd::Csv {

struct Row {
    int line = 0;  // 1-based line where the record starts
    std::vector<std::string> fields;
};

// Records of a comma-separated text: quoted fields with doubled quotes and line breaks
// inside, CRLF or LF line ends, a leading UTF-8 byte-order mark. Blank lines are skipped.
// Gives false (and the line) for a quote that is never closed.
bool Parse(std::string_view text, std::vector<Row>& rows, int& badLine);

// One record, fields quoted where they need it, ended with CRLF.
std::string FormatRow(const std::vector<std::string>& fields);

// A field without the blanks and tabs around it.
std::string Trimmed(std::string_view field);
// ASCII letters in lower case: column names and keywords match in any case.
std::string Lowered(std::string_view field);

}  // namespace kvd::Csv
