// Test tables kept as data files in tests/data/tables: one row a line, fields separated by
// " | ", blank lines and lines starting with "#" left out. A field is trimmed unless it is
// written in double quotes; in either form \t \n \r \\ \0 and \xHH stand for their bytes, and
// any other escaped character for itself (\" \|). Each row carries its file name and line, which a
// failing expectation prints.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace tarntest {

struct TableRow {
    std::string where;  // "strfind.txt:12: <the line>"
    std::vector<std::string> fields;
    const std::string& operator[](size_t i) const { return fields.at(i); }
};

inline std::string Unescape(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        if (c == 'x' && i + 2 < text.size()) {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c == '0' ? '\0' : c;
        }
    }
    return out;
}

inline std::string Field(std::string text) {
    const size_t first = text.find_first_not_of(' ');
    text = first == std::string::npos ? ""
                                      : text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        text = text.substr(1, text.size() - 2);
    }
    return Unescape(text);
}

// The rows of tests/data/tables/`name`; fails the test when the file cannot be read.
inline std::vector<TableRow> ReadTable(const std::string& name) {
    std::ifstream in(std::string(TARN_TEST_DATA_DIR) + "/tables/" + name);
    EXPECT_TRUE(in) << "cannot read table " << name;
    std::vector<TableRow> rows;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.find_first_not_of(' ') == std::string::npos || line[0] == '#') {
            continue;
        }
        TableRow row{name + ":" + std::to_string(number) + ": " + line, {}};
        size_t start = 0;
        for (size_t bar = line.find(" | "); bar != std::string::npos;
             bar = line.find(" | ", start)) {
            row.fields.push_back(Field(line.substr(start, bar - start)));
            start = bar + 3;
        }
        row.fields.push_back(Field(line.substr(start)));
        rows.push_back(std::move(row));
    }
    EXPECT_FALSE(rows.empty()) << "table " << name << " has no rows";
    return rows;
}

}  // namespace tarntest
