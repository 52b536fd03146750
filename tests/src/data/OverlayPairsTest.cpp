#include "src/data/OverlayPairs.h"

#include <gtest/gtest.h>

namespace linkmap {
namespace {

using Pairs = std::vector<std::string>;  // "base>overlaid"

Pairs Read(std::string_view value) {
    OverlayPairs pairs;
    ReadOverlayPairs(value, pairs);
    Pairs out;
    for (size_t i = 0; i < pairs.baseNames.size(); ++i) {
        out.push_back(pairs.baseNames[i] + ">" + pairs.overlaidNames[i]);
    }
    return out;
}

TEST(OverlayPairs, FromStartOptionValues) {
    const struct {
        const char* value;
        Pairs pairs;
    } cases[] = {
        {"P,C/0400,B,R/0FFF8000", {}},
        {"X:Y:Z/100", {"X>Y", "X>Z"}},
        {"A,B:C/100", {"A>C"}},
        {"(A:B)(C:D,E)/100", {"A>B", "C>D", "C>E"}},
        {"P/100,X:Y/200,Q:R/300", {"X>Y", "Q>R"}},
        {"X:Y/100 Z:W/200", {"X>Y"}},
        {"X::Y,,Z:/1", {"X>Y", "X>Z"}},
        {":Y/1", {">Y"}},
        {"(((/1", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Read(c.value), c.pairs) << c.value;
    }
}

TEST(OverlayPairs, FirstSectionOfANameTakesTheLastPair) {
    LinkMapSectionRows sections;
    for (const char* name : {"A", "B", "A", "C"}) {
        sections.push_back(std::make_unique<tagLinkMapSectionInfo>());
        sections.back()->name = name;
    }
    OverlayPairs pairs;
    ReadOverlayPairs("X:A,B/0,Y:A,Q/0", pairs);
    ApplyOverlayPairs(pairs, sections);
    const char* expected[] = {"Y", "X", "", ""};
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(sections[i]->overlay, expected[i]) << i;
}

}  // namespace
}  // namespace linkmap
