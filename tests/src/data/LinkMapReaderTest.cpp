#include <gtest/gtest.h>

#include "tests/src/data/LinkMapTestSupport.h"

namespace linkmaptest {
namespace {

// A symbol list of one symbol, preceded by the given marker line.
std::string SymbolListAfter(const std::string& marker) {
    return marker + "\nSECTION=P\n  _f\n  00000010  4  func ,g  0\n";
}

TEST(LinkMapReader, ReadsSampleListing) {
    ModelFixture f;
    f.host.settings.listingPath = kSmallListing;
    f.model.Load();
    EXPECT_EQ(f.model.GetListingPath(), kSmallListing);
    EXPECT_EQ(SectionTexts(f.model), (Texts{
                                         "Unallocated Area 0-3FF 400",
                                         "P 400-4FF 100",
                                         "C 500-51F 20",
                                         "Unallocated Area 520-FFF7FFF FFF7AE0",
                                         "B FFF8000-FFF80FF 100",
                                         "X FFF8000-FFF807F 80 over B",
                                         "R FFF8100-FFF8107 8",
                                         "Unallocated Area FFF8108-FFFFFFFF F0007EF8",
                                     }));
    EXPECT_EQ(SymbolTexts(f.model), (Texts{
                                        "_main 400 40 Function Global P main.obj",
                                        "_helper 440 40 Function Local P main.obj",
                                        "_util_init 480 80 Function Global P util.obj",
                                        "_table 500 20 Data Global C main.obj",
                                        "_buffer FFF8000 100 Data Local B main.obj",
                                        "_overlay_work FFF8000 80 Data Global X util.obj",
                                        "$start FFF8000 0 Entry Global X util.obj",
                                    }));
}

TEST(LinkMapReader, CrLfListingReadsLikeItsLfTwin) {
    // Empty lines matter in the symbol list: a zero-length line is skipped, a line of blanks
    // makes the next line skipped too.
    const std::string crafted =
        "*** Symbol List ***\nSECTION=P\n\n  _a\n\n  10  4  func ,g  0\n  \n  _skipped\n"
        "  _b\n  20  4  data ,l  0\n";
    TempDir dir;
    for (const std::string& text : {tarnhost::ReadAll(kSmallListing), crafted}) {
        ModelFixture lf;
        ModelFixture crlf;
        lf.host.settings.listingPath = dir.Write("lf.map", text);
        crlf.host.settings.listingPath = dir.Write("crlf.map", WithCrLf(text));
        lf.model.Load();
        crlf.model.Load();
        EXPECT_FALSE(SymbolTexts(lf.model).empty());
        EXPECT_EQ(SectionTexts(lf.model), SectionTexts(crlf.model));
        EXPECT_EQ(SymbolTexts(lf.model), SymbolTexts(crlf.model));
    }
    ModelFixture f;
    f.model.LoadText(WithCrLf(crafted));
    EXPECT_EQ(SymbolTexts(f.model), (Texts{"_a 10 4 Function Global P ", "_b 20 4 Data Local P "}));
}

TEST(LinkMapReader, MarkersIgnoreCaseAndSurroundingBlanksOnly) {
    const struct {
        const char* line;
        bool starts;
    } cases[] = {
        {"   *** symbol list ***  \t", true}, {"\t*** Symbol List ***\v\f", true},
        {"*** Symbol  List ***", false},      {"*** Symbol List *** page 2", false},
        {"x *** Symbol List ***", false},
    };
    for (const auto& c : cases) {
        ModelFixture f;
        f.model.LoadText(SymbolListAfter(c.line));
        EXPECT_EQ(f.model.GetSymbolCount(""), c.starts ? 1 : 0) << c.line;
    }
}

TEST(LinkMapReader, FinishingMarkersStopTheReading) {
    for (const char* stop : {"Absolute value symbols", "  ABSOLUTE VALUE SYMBOLS",
                             "*** Delete Symbols ***", "*** delete symbols ***"}) {
        ModelFixture f;
        f.model.LoadText(SymbolListAfter("*** Symbol List ***") + stop +
                         "\n  _after\n  00000020  4  func ,g  0\n"
                         "*** Options ***\n-start=A:B/0\n"
                         "*** Mapping List ***\nSECTION\nB\n 0 F 10 1\n");
        EXPECT_EQ(SymbolTexts(f.model), (Texts{"_f 10 4 Function Global P "})) << stop;
        EXPECT_EQ(f.model.GetSectionCount(), 0) << stop;
    }
}

TEST(LinkMapReader, AttributeAndScopeWords) {
    const struct {
        const char* attribute;
        const char* scope;
        const char* expected;
    } cases[] = {
        {"FUNC", "G", "Function Global"},
        {"Data", "l", "Data Local"},
        {"entry", "L", "Entry Local"},
        {"NoNe", "g", "None Global"},
        {"function", "global", "function global"},
        {"dat", "gl", "dat gl"},
    };
    for (const auto& c : cases) {
        ModelFixture f;
        f.model.LoadText(std::string("*** Symbol List ***\n  s\n  10 4 ") + c.attribute + " , " +
                         c.scope + " 0\n");
        EXPECT_EQ(SymbolTexts(f.model), (Texts{std::string("s 10 4 ") + c.expected + "  "}))
            << c.attribute << " " << c.scope;
    }
}

TEST(LinkMapReader, MappingListNeedsHeaderAndFourValueWords) {
    const struct {
        const char* name;
        const char* body;
        Texts sections;
    } cases[] = {
        {"header is upper case only",
         "section start\nA\n 0 F 10 1\nSECTION\nB\n 0 F 10 1\n",
         {"B 0-F 10"}},
        {"lines before header are ignored",
         "A\n 0 F 10 1\nSECTION  START\nB\n 0 F 10 1\n",
         {"B 0-F 10"}},
        {"header must open the line", " x SECTION\nSECTION\nB\n 0 F 10 1\n", {"B 0-F 10"}},
        {"blank lines between name and values",
         "SECTION\n\n  B  \n \t \n 0 F 10 1\n",
         {"B 0-F 10"}},
        {"three words drop the section and its name",
         "SECTION\nA\n 0 F 10\nB\n 0 F 10 1\n",
         {"B 0-F 10"}},
        {"a tab is not a word separator", "SECTION\nA\n 0\tF 10 1\nB\n 0 F 10 1\n", {"B 0-F 10"}},
        {"name at end of listing adds nothing", "SECTION\nB\n 0 F 10 1\nLAST\n", {"B 0-F 10"}},
        {"name just before a marker adds nothing",
         "SECTION\nB\n 0 F 10 1\nLAST\n*** Symbol List ***\n",
         {"B 0-F 10"}},
        {"non-hex values read as 0",
         "SECTION\nB\n 10 1F ZZ 1\n",
         {"Unallocated Area 0-F 10", "B 10-1F 0", "Unallocated Area 1F-FFFFFFFF FFFFFFE1"}},
        {"out-of-range values read as 0", "SECTION\nB\n 100000000 1F 10 1\n", {"B 0-1F 10"}},
        {"empty mapping list gives no rows at all", "SECTION  START\n", {}},
    };
    for (const auto& c : cases) {
        ModelFixture f;
        f.model.LoadText(std::string("*** Mapping List ***\n") + c.body);
        auto texts = SectionTexts(f.model);
        std::erase_if(texts, [&](const std::string& t) {
            return t.starts_with("Unallocated") && c.sections.size() == 1;
        });
        EXPECT_EQ(texts, c.sections) << c.name;
    }
}

TEST(LinkMapReader, SymbolListLineRules) {
    const struct {
        const char* name;
        const char* body;
        Texts symbols;
    } cases[] = {
        {"line after FILE= is skipped whatever it holds",
         "FILE=a.obj\n  _skipped\n  _s\n  10 4 func ,g 0\n",
         {"_s 10 4 Function Global  a.obj"}},
        {"line after a line of blanks is skipped",
         "  \t\n  _skipped\n  _s\n  10 4 func g 0\n",
         {"_s 10 4 Function Global  "}},
        {"zero-length lines are not blank lines",
         "\n  _s\n\n  10 4 func g 0\n",
         {"_s 10 4 Function Global  "}},
        {"mixed separators drop up to the last",
         "FILE=C:\\a/b\\c/m.obj\n x\n  _s\n  1 1 data g 0\n",
         {"_s 1 1 Data Global  m.obj"}},
        {"FILE= START END keeps the file",
         "FILE=m.obj\n x\nFILE=   START   END   SIZE\n x\n  _s\n  1 1 data g 0\n",
         {"_s 1 1 Data Global  m.obj"}},
        {"FILE= start end in lower case names a file",
         "FILE=m.obj\n x\nFILE= start end\n x\n  _s\n  1 1 data g 0\n",
         {"_s 1 1 Data Global  start end"}},
        {"empty SECTION= keeps the section",
         "SECTION=P\nSECTION=  \n  _s\n  1 1 data g 0\n",
         {"_s 1 1 Data Global P "}},
        {"lower-case section= is a name line",
         "SECTION=P\nsection=Q\n  1 1 data g 0\n",
         {"section=Q 1 1 Data Global P "}},
        {"SECTION= and FILE= keep a pending name",
         "  _s\nSECTION=Q\nFILE=f.obj\n x\n  1 1 data g 0\n",
         {"_s 1 1 Data Global Q f.obj"}},
        {"commas and spaces split the values", "  _s\n1,1,,data , g,0\n", {"_s 1 1 Data Global  "}},
        {"four value words drop the symbol and its name",
         "  _a\n  1 1 data g\n  _b\n  2 2 data g 0\n",
         {"_b 2 2 Data Global  "}},
        {"values that are no numbers read as 0",
         "  _s\n  ZZ 100000000 data g 0\n",
         {"_s 0 0 Data Global  "}},
        {"six value words drop the symbol and its name",
         "  _a\n  1 1 data g 0 9\n  _b\n  2 2 data g 0\n",
         {"_b 2 2 Data Global  "}},
    };
    for (const auto& c : cases) {
        ModelFixture f;
        f.model.LoadText(std::string("*** Symbol List ***\n") + c.body);
        EXPECT_EQ(SymbolTexts(f.model), c.symbols) << c.name;
    }
}

TEST(LinkMapReader, StatesRestartWhenTheirMarkerComesAgain) {
    ModelFixture f;
    f.model.LoadText(
        "*** Symbol List ***\nSECTION=P\nFILE=a.obj\n x\n  _pending\n"
        "*** symbol list ***\n  _s\n  1 1 data g 0\n");
    EXPECT_EQ(SymbolTexts(f.model), (Texts{"_s 1 1 Data Global  "}));
}

TEST(LinkMapReader, OptionsGiveOverlaysOfParsedSectionsOnly) {
    ModelFixture f;
    f.model.LoadText(
        "*** Options ***\n  -start=A:B,C/0,(D:A)/100\n-START=Q:A/0\n"
        "*** Mapping List ***\nSECTION\nA\n 0 F 10 1\nB\n 0 7 8 1\nA\n 10 1F 10 1\n"
        "*** Options ***\n-start=E:B/0\n");
    EXPECT_EQ(SectionTexts(f.model), (Texts{"A 0-F 10 over D", "B 0-7 8 over E", "A 10-1F 10",
                                            "Unallocated Area 20-FFFFFFFF FFFFFFE0"}));
}

TEST(LinkMapReader, BadInputNeverCrashes) {
    static const char kWithNul[] = "*** Symbol List ***\n  _a\0b\n  1 1 da\0ta g 0\n";
    const struct {
        const char* name;
        std::string bytes;
        int sections;
        int symbols;
    } cases[] = {
        {"empty file", "", 0, 0},
        {"no markers", "SECTION\nA\n 0 F 10 1\n  _s\n  1 1 data g 0\n", 0, 0},
        {"NUL bytes", std::string(kWithNul, sizeof kWithNul - 1), 0, 1},
        {"10 MB option", "*** Options ***\n-start=" + std::string(10 << 20, '/') + "A:B", 0, 0},
        {"no line end at all", "*** Symbol List ***", 0, 0},
        {"carriage returns only", std::string(1000, '\r'), 0, 0},
    };
    TempDir dir;
    for (const auto& c : cases) {
        ModelFixture f;
        f.host.settings.listingPath = dir.Write("bad.map", c.bytes);
        f.model.Load();
        EXPECT_EQ(f.model.GetSectionCount(), c.sections) << c.name;
        EXPECT_EQ(f.model.GetSymbolCount(""), c.symbols) << c.name;
    }
}

TEST(LinkMapReader, HugeNameLineIsKeptWhole) {
    ModelFixture f;
    TempDir dir;
    const std::string name(3 << 20, 'n');  // longer than one read block
    f.host.settings.listingPath =
        dir.Write("long.map", "*** Symbol List ***\r\n" + name + "\r\n  1 1 data g 0\r\n");
    f.model.Load();
    ASSERT_EQ(f.model.GetSymbolCount(""), 1);
    EXPECT_EQ(f.model.GetSymbolName("", 0), name);
}

}  // namespace
}  // namespace linkmaptest
