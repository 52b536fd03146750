// The tarnmap command line, run in-process as a user runs it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/cli/Cli.h"
#include "host/lib/WorkspaceFile.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

struct Result {
    int code;
    std::string out;
    std::string err;
};

Result RunCli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = tarncli::Run(args, out, err);
    return {code, out.str(), err.str()};
}

std::string ReadFile(const fs::path& path) {
    std::string text, error;
    EXPECT_TRUE(tarnhost::ReadTextFile(path.string(), &text, &error)) << error;
    return text;
}

const std::string kDemo = std::string(TARN_SOURCE_DIR) + "/examples/demo/demo.tarnws";
const fs::path kGolden = fs::path(TARN_TEST_DATA_DIR) / "golden";

using TempFolder = tarnhost::TempDir;

TEST(CommandLine, DemoExportsMatchTheirGoldenTexts) {
    struct Case {
        std::vector<std::string> args;
        const char* golden;
    };
    const Case cases[] = {
        {{"export", "sections", "--workspace", kDemo}, "demo-sections.tsv"},
        {{"export", "symbols", "--workspace", kDemo, "--sort", "1"}, "demo-symbols-by-address.tsv"},
        {{"export", "symbols", "--workspace", kDemo, "--section", "C", "--sort", "0:desc"},
         "demo-symbols-C-by-name-desc.tsv"},
        {{"export", "groups", "--workspace", kDemo}, "demo-groups.tsv"},
        {{"export", "memory", "--workspace", kDemo}, "demo-memory.tsv"},
    };
    for (const auto& c : cases) {
        const Result r = RunCli(c.args);
        EXPECT_EQ(r.code, 0) << c.golden << ": " << r.err;
        EXPECT_EQ(r.err, "") << c.golden;
        EXPECT_EQ(r.out, ReadFile(kGolden / c.golden)) << c.golden;
    }
}

TEST(CommandLine, MapOptionReadsABareListingAndEscapesTexts) {
    TempFolder dir;
    const auto listing = fs::path(dir.Write("odd.map",
                                            "*** Mapping List ***\n"
                                            "SECTION START END SIZE\n"
                                            "A\\B\n"
                                            "  00000010 0000001F 10 1\n"
                                            "*** Symbol List ***\n"
                                            "SECTION=A\\B\n"
                                            "FILE=C:\\work\\x.obj\n"
                                            "skipped\n"
                                            "sym\twith tab\n"
                                            "  00000010 4 func,g 0\n"));
    Result r = RunCli({"export", "sections", "--map", listing.string()});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
              "name\tstart\tend\tsize\toverlay\n"
              "Unallocated Area\t00000000\t0000000F\t00000010\t\n"
              "A\\\\B\t00000010\t0000001F\t00000010\t\n"
              "Unallocated Area\t00000020\tFFFFFFFF\tFFFFFFE0\t\n");
    r = RunCli({"export", "symbols", "--map", listing.string()});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
              "name\taddress\tsize\tattribute\tscope\tsection\tfile\n"
              "sym\\twith tab\t00000010\t00000004\tFunction\tGlobal\tA\\\\B\tx.obj\n");
}

TEST(CommandLine, ErrorsPrintOneLineAndExitNonZero) {
    TempFolder dir;
    const fs::path missingMap =
        dir.Write("nomap.tarnws", "[workspace]\nname = W\n[linker]\nmap = gone.map\n");
    const fs::path broken = dir.Write("broken.tarnws", "[workspace]\nname W\n");
    fs::create_directories(dir.Path() / "folder.map");
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string err;
    };
    const Case cases[] = {
        {{"export"},
         2,
         "tarnmap: export needs what to export: sections, symbols, groups or memory\n"},
        {{"export", "tables", "--map", "x"},
         2,
         "tarnmap: cannot export \"tables\": choose sections, symbols, groups or memory\n"},
        {{"export", "sections"},
         2,
         "tarnmap: give exactly one of --map FILE or --workspace FILE\n"},
        {{"export", "sections", "--map", "a", "--workspace", "b"},
         2,
         "tarnmap: give exactly one of --map FILE or --workspace FILE\n"},
        {{"export", "sections", "--map"}, 2, "tarnmap: option --map needs a value\n"},
        {{"export", "sections", "--map", "a", "--section", "P"},
         2,
         "tarnmap: --section applies to symbols only\n"},
        {{"export", "symbols", "--map", "a", "--verbose", "1"},
         2,
         "tarnmap: unknown option --verbose\n"},
        {{"export", "symbols", "--map", (dir.Path() / "none.map").string()},
         1,
         "tarnmap: " + (dir.Path() / "none.map").string() + ": no such map listing\n"},
        {{"export", "symbols", "--map", (dir.Path() / "folder.map").string()},
         1,
         "tarnmap: " + (dir.Path() / "folder.map").string() + ": no such map listing\n"},
        {{"export", "sections", "--workspace", missingMap.string()},
         1,
         "tarnmap: the map listing \"" + (dir.Path() / "gone.map").string() + "\" was not found\n"},
        {{"export", "sections", "--workspace", broken.string()},
         1,
         "tarnmap: " + broken.string() + ":2: expected \"key = value\" or \"[section]\"\n"},
        {{"frobnicate"}, 2, ""},
    };
    for (const auto& c : cases) {
        const Result r = RunCli(c.args);
        EXPECT_EQ(r.code, c.code) << c.args[0] << " " << r.err;
        EXPECT_EQ(r.out, "");
        if (!c.err.empty()) {
            EXPECT_EQ(r.err, c.err);
        } else {
            EXPECT_NE(r.err.find("unknown command"), std::string::npos);
        }
    }
}

TEST(CommandLine, AllocateAddsResourcesAndKeepsTheRestOfTheWorkspace) {
    TempFolder dir;
    for (const char* name : {"demo.tarnws", "blinky.map"}) {
        fs::copy_file(fs::path(TARN_SOURCE_DIR) / "examples/demo" / name, dir.Path() / name);
    }
    const auto workspace = (dir.Path() / "demo.tarnws").string();
    const std::string before = ReadFile(workspace);
    Result r = RunCli({"allocate", "--workspace", workspace});
    ASSERT_EQ(r.code, 0) << r.err;
    // The build's code and constants in ROM become "R", the RAM sections "R/W"; the ranges
    // already covered by resources, and the overlays inside one range, add nothing new.
    EXPECT_NE(r.out.find("resource\t00000400\t00002620\tR\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("resource\t000085F0\t00008707\tR/W\n"), std::string::npos);
    EXPECT_NE(r.out.find("resource\t00010000\t000103FF\tR/W\n"), std::string::npos);
    EXPECT_EQ(r.out.find("resource\t00000000\t0000007F\tR\nresource\t00000000"), std::string::npos);
    const std::string after = ReadFile(workspace);
    auto withoutDescription = [](const std::string& text) {
        return text.substr(0, text.find("description =")) +
               text.substr(text.find('\n', text.find("description =")));
    };
    EXPECT_EQ(withoutDescription(after), withoutDescription(before));
    EXPECT_NE(after.find("[S|CHIPREV|B]"), std::string::npos);
    // A second run finds everything covered and adds nothing; now that all texts share one
    // form, the sort brings the touching RAM resources together and they merge.
    const Result again = RunCli({"allocate", "--workspace", workspace});
    ASSERT_EQ(again.code, 0) << again.err;
    const std::string resources = again.out.substr(again.out.find("resource"));
    EXPECT_EQ(resources,
              "resource\t00000000\t0000007F\tR\n"
              "resource\t00000400\t00002620\tR\n"
              "resource\t00008000\t00008707\tR/W\n"
              "resource\t00008800\t00008BFF\tR/W\n"
              "resource\t0000A000\t0000A1FF\tR/W\n"
              "resource\t00010000\t000103FF\tR/W\n");
}

}  // namespace
