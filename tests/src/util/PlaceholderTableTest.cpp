#include "src/util/PlaceholderTable.h"

#include <gtest/gtest.h>

#include "src/util/PlaceholderScanner.h"

namespace placeholder {
namespace {

struct LookUpCase {
    const char* name;
    TableMatch::Kind kind;
    int index;
};

TEST(PlaceholderTable, LookUp) {
    const LookUpCase cases[] = {
        {"ERROR", TableMatch::kError, 0},
        {"error", TableMatch::kUnknown, 0},  // exact names are case sensitive
        {"FULLFILE", TableMatch::kEntry, kFullFile},
        {"fullfile", TableMatch::kUnknown, 0},
        {"FULLFIL", TableMatch::kUnknown, 0},
        {"TD", TableMatch::kEntry, kTempDir},  // the first of two equal short names
        {"PN", TableMatch::kEntry, kProjectName},
        {"USERINPUT: your name?", TableMatch::kEntry, kUserInput},
        {"userInputX", TableMatch::kEntry, kUserInput},
        {"USERINPU", TableMatch::kUnknown, 0},
        {"UI", TableMatch::kEntry, kUserInput},
        {"uiAnything", TableMatch::kEntry, kUserInput},
        {"USERINPUT***", TableMatch::kEntry, kUserInput},
    };
    for (const auto& c : cases) {
        const TableMatch match = LookUp(c.name);
        EXPECT_EQ(match.kind, c.kind) << c.name;
        if (c.kind == TableMatch::kEntry) {
            EXPECT_EQ(match.index, c.index) << c.name;
        }
    }
}

TEST(PlaceholderTable, LongFormAndOutOfRangeIndices) {
    EXPECT_EQ(LongForm(kDeviceDetails), "$(DEVICEDETAILS)");
    EXPECT_EQ(LongName(0), "");
    EXPECT_EQ(LongName(kLastIndex + 1), "");
    EXPECT_EQ(ShortName(-1), "");
}

struct ScanCase {
    const char* text;
    size_t offset;
    bool found;
    size_t begin;
    const char* name;
};

TEST(PlaceholderScanner, FindNext) {
    const ScanCase cases[] = {
        {"$(A)", 0, true, 0, "A"},
        {"ab$(NAME)cd$(X)", 3, true, 11, "X"},
        {"$()", 0, false, 0, ""},  // shorter than 4 bytes
        {"$()x", 0, true, 0, ""},
        {"ab$()", 0, false, 0, ""},         // fewer than 4 bytes from the "$"
        {"$(A b", 0, false, 0, ""},         // no ")"
        {"$(A $(B)", 0, true, 0, "A $(B"},  // the name runs to the first ")"
        {"$$(A)", 0, false, 0, ""},         // escaped by the "$" before it
        {"$$(A)$(B)", 0, true, 5, "B"},
        {"x$$(A)", 2, true, 2, "A"},  // nothing before the offset escapes
        {"x$$(A)", 1, false, 0, ""},
        {"a)b$(c)", 0, true, 3, "c"},
    };
    for (const auto& c : cases) {
        const auto span = FindNext(c.text, c.offset);
        ASSERT_EQ(span.has_value(), c.found) << c.text << " from " << c.offset;
        if (span) {
            EXPECT_EQ(span->begin, c.begin) << c.text;
            EXPECT_EQ(span->Name(c.text), c.name) << c.text;
            EXPECT_EQ(span->end, span->nameEnd + 1) << c.text;
        }
    }
}

}  // namespace
}  // namespace placeholder
