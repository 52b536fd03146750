// Helpers of the link map tests: loading listing texts into a model, describing rows as short
// texts for readable expectations, and files in a temporary directory.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "src/data/CLinkMapInfo.h"
#include "tests/src/data/FakeHost.h"

namespace linkmaptest {

inline std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", value);
    return text;
}

// "name start-end size" and " over base" when the row has an overlay.
inline std::string Describe(const tagLinkMapSectionInfo& row) {
    std::string text =
        row.name + " " + Hex(row.startAddress) + "-" + Hex(row.endAddress) + " " + Hex(row.size);
    if (!row.overlay.empty()) {
        text += " over " + row.overlay;
    }
    return text;
}

// "name address size attribute scope section file".
inline std::string Describe(const tagLinkMapSymbolInfo& row) {
    return row.name + " " + Hex(row.address) + " " + Hex(row.size) + " " + row.attribute + " " +
           row.scope + " " + row.section + " " + row.file;
}

inline std::vector<std::string> SectionTexts(const CLinkMapInfo& model) {
    LinkMapSectionRows rows;
    model.GetSections(0, model.GetSectionCount(), rows);
    std::vector<std::string> texts;
    for (const auto& row : rows)
        texts.push_back(Describe(*row));
    return texts;
}

inline std::vector<std::string> SymbolTexts(const CLinkMapInfo& model,
                                            const std::string& section = {}) {
    LinkMapSymbolRows rows;
    model.GetSymbols(0, model.GetSymbolCount(section), section, rows);
    std::vector<std::string> texts;
    for (const auto& row : rows)
        texts.push_back(Describe(*row));
    return texts;
}

// A model on a fake host.
struct ModelFixture {
    testhost::FakeHost host;
    CLinkMapInfo model{&host};
};

// A directory of its own below the system's temporary directory, removed afterwards.
class TempDir {
public:
    TempDir() {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("tarn_linkmap_" + std::string(info->test_suite_name()) + "_" + info->name());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    std::string Write(const std::string& name, const std::string& bytes) const {
        const auto file = path_ / name;
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The same text with every line feed preceded by a carriage return.
inline std::string WithCrLf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

}  // namespace linkmaptest
