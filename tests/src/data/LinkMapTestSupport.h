// Helpers of the link map tests: a model on a fake host, and rows described as short texts for
// readable expectations.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "src/data/CLinkMapInfo.h"
#include "tests/src/data/FakeLinkerHost.h"
#include "tests/support/TempDir.h"

namespace linkmaptest {

using tarnhost::TempDir;
using Texts = std::vector<std::string>;

inline const std::string kSmallListing = std::string(TARN_TEST_DATA_DIR) + "/listings/small.map";

inline std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", value);
    return text;
}

// "name start-end size" and " over base" when the row has an overlay.
inline std::string Describe(const tagLinkMapSectionInfo& row) {
    return row.name + " " + Hex(row.startAddress) + "-" + Hex(row.endAddress) + " " +
           Hex(row.size) + (row.overlay.empty() ? "" : " over " + row.overlay);
}

// "name address size attribute scope section file".
inline std::string Describe(const tagLinkMapSymbolInfo& row) {
    return row.name + " " + Hex(row.address) + " " + Hex(row.size) + " " + row.attribute + " " +
           row.scope + " " + row.section + " " + row.file;
}

inline Texts SectionTexts(const CLinkMapInfo& model) {
    LinkMapSectionRows rows;
    model.GetSections(0, model.GetSectionCount(), rows);
    Texts texts;
    for (const auto& row : rows)
        texts.push_back(Describe(*row));
    return texts;
}

inline Texts SymbolTexts(const CLinkMapInfo& model, const std::string& section = {}) {
    LinkMapSymbolRows rows;
    model.GetSymbols(0, model.GetSymbolCount(section), section, rows);
    Texts texts;
    for (const auto& row : rows)
        texts.push_back(Describe(*row));
    return texts;
}

// A model on a fake host; either service can be withheld.
struct ModelFixture {
    explicit ModelFixture(bool withSettings = true, bool withConversion = true)
        : host(withSettings, false, withConversion) {}
    fakehost::LinkerHost host;
    CLinkMapInfo model{&host.host};
};

}  // namespace linkmaptest
