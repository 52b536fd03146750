#include <gtest/gtest.h>

#include "platform/graphics/Color.h"
#include "src/shell/framework/NamedColours.h"

namespace {

class NamedColoursTest : public ::testing::Test {
protected:
    ~NamedColoursTest() override { tarnui::ResetSysColors(); }
};

TEST_F(NamedColoursTest, EntriesHaveTheirNameAndValueForTextAndBackground) {
    // Spot checks across the table: values are 0xBBGGRR, so blue and red show a swapped order.
    const struct {
        int index;
        const char* name;
        tarnui::Color value;
    } entries[] = {{0, "WHITE", 0xFFFFFF},   {1, "BLACK", 0x000000},    {3, "BLUE", 0xFF0000},
                   {4, "RED", 0x0000FF},     {11, "DARKRED", 0x000080}, {16, "LIGHTGREY", 0xDFE1E5},
                   {19, "MEDGREY", 0xB3B3B3}};
    for (const auto& entry : entries) {
        EXPECT_EQ(FindNamedColour(entry.name), entry.index) << entry.name;
        EXPECT_EQ(NamedColourName(entry.index), entry.name);
        EXPECT_EQ(ResolveForegroundColour(entry.index), entry.value) << entry.name;
        EXPECT_EQ(ResolveBackgroundColour(entry.index), entry.value) << entry.name;
    }
    EXPECT_EQ(FindNamedColour("SYSTEM"), 17);
    EXPECT_EQ(FindNamedColour("HIGHLIGHT"), 18);
    // Look-up is exact and case-sensitive.
    for (const char* name : {"white", "WHITE ", " BLACK", "", "DARK GREY", "SYS"}) {
        EXPECT_EQ(FindNamedColour(name), -1) << '"' << name << '"';
    }
    // Indices outside the table have no name and give white.
    for (int index : {20, 25, -1, -17, 1000}) {
        EXPECT_EQ(NamedColourName(index), "") << index;
        EXPECT_EQ(ResolveForegroundColour(index), 0xFFFFFFu) << index;
        EXPECT_EQ(ResolveBackgroundColour(index), 0xFFFFFFu) << index;
    }
}

TEST_F(NamedColoursTest, SystemEntriesFollowTheSystemColoursOfTheirRole) {
    // Distinct values, so that a swapped role shows.
    tarnui::SetSysColor(tarnui::kColorWindowText, 0x010203);
    tarnui::SetSysColor(tarnui::kColorWindow, 0x040506);
    tarnui::SetSysColor(tarnui::kColorHighlightText, 0x070809);
    tarnui::SetSysColor(tarnui::kColorHighlight, 0x0A0B0C);
    EXPECT_EQ(ResolveForegroundColour(kNamedColourSystem), 0x010203u);
    EXPECT_EQ(ResolveBackgroundColour(kNamedColourSystem), 0x040506u);
    EXPECT_EQ(ResolveForegroundColour(18), 0x070809u);
    EXPECT_EQ(ResolveBackgroundColour(18), 0x0A0B0Cu);
}

}  // namespace
