#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "host/lib/SubstituteHost.h"
#include "platform/text/Utf.h"
#include "tests/support/TempDir.h"

namespace tarnhost {
namespace {

namespace fs = std::filesystem;

constexpr const char* kWorkspace =
    "# demo workspace\n"
    "[workspace]\n"
    "name = Demo\n"
    "flavour = kept\n"
    "\n"
    "[project]\n"
    "name = blinky\n"
    "directory = proj\n"
    "\n"
    "[configuration]\n"
    "name = Debug\n"
    "directory = proj/out\n"
    "\n"
    "[device]\n"
    "name = TM32\n"
    "\n"
    "[linker]\n"
    "map = $(CONFIGDIR)/blinky.map\n"
    "capabilities = 0x3D\n"
    "\n"
    "[group]\n"
    "address = 0x400\n"
    "address = 0x8000-0x8FFF\n"
    "note = boot code\n"
    "sections = P,C:D\n"
    "\n"
    "[group]\n"
    "sections = B\n"
    "\n"
    "[memory]\n"
    "description = [V|VERSION|1] [S|MAP|\"0,FFFF,ROM,0,0\"]\n"
    "\n"
    "[tool]\n"
    "unknown = stays\n";

// Malformed lines, a missing file and a bad number are cases in tests/cases/workspace.
TEST(WorkspaceFile, RendersWhatItParsedAndReadsCrLfAlike) {
    WorkspaceFile lf, crlf;
    std::string error;
    ASSERT_TRUE(lf.Parse(kWorkspace, &error));
    std::string windows;
    for (char c : std::string(kWorkspace)) {
        if (c == '\n')
            windows += '\r';
        windows += c;
    }
    ASSERT_TRUE(crlf.Parse(windows, &error));
    EXPECT_EQ(lf.Render(), kWorkspace);
    EXPECT_EQ(crlf.Render(), kWorkspace);
}

// Names, capabilities and groups are read through use: HostServicesTest and the cases.
TEST(Workspace, DirectoriesResolveAgainstTheWorkspaceFile) {
    TempDir dir;
    std::string error;
    auto ws = Workspace::Open(dir.Write("demo.tarnws", kWorkspace), &error);
    ASSERT_NE(ws, nullptr) << error;
    EXPECT_EQ(ws->WorkspaceDir(), dir.Path().string());
    EXPECT_EQ(ws->ConfigDir(), (dir.Path() / "proj/out").string());
    EXPECT_EQ(ws->MapListingPath(), "$(CONFIGDIR)/blinky.map");
}

TEST(Workspace, RewritingGroupsKeepsEverythingElse) {
    TempDir dir;
    std::string error;
    const std::string path = dir.Write("demo.tarnws", kWorkspace);
    auto ws = Workspace::Open(path, &error);
    ASSERT_NE(ws, nullptr);
    ASSERT_TRUE(ws->SetGroups({{{{"0x00000400", ""}}, "X:Y"}}, &error)) << error;
    const std::string text = ReadAll(path);
    EXPECT_NE(text.find("# demo workspace\n"), std::string::npos);
    EXPECT_NE(text.find("flavour = kept\n"), std::string::npos);
    EXPECT_NE(text.find("[tool]\nunknown = stays\n"), std::string::npos);
    EXPECT_NE(text.find("note = boot code\n"), std::string::npos);
    EXPECT_EQ(text.find("sections = B"), std::string::npos);
    // The groups stay where they stood: before the memory section.
    EXPECT_LT(text.find("sections = X:Y"), text.find("[memory]"));
    auto again = Workspace::Open(path, &error);
    ASSERT_NE(again, nullptr) << error;
    EXPECT_EQ(again->Groups(), ws->Groups());
    EXPECT_EQ(again->MemoryDescription(), ws->MemoryDescription());
}

TEST(Workspace, FailedWriteLeavesFileAndModelWhole) {
    TempDir dir;
    std::string error;
    // A directory in place of the file cannot be replaced by rename: the write fails whole.
    const std::string blocked = dir.Write("blocked.tarnws", kWorkspace);
    auto ws = Workspace::Open(blocked, &error);
    ASSERT_NE(ws, nullptr);
    fs::remove(blocked);
    fs::create_directories(fs::path(blocked) / "inner");
    EXPECT_FALSE(ws->SetMemoryDescription("[S|MAP|]", &error));
    EXPECT_NE(error.find("cannot be"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(blocked));
    EXPECT_EQ(ws->MemoryDescription(), "[V|VERSION|1] [S|MAP|\"0,FFFF,ROM,0,0\"]");
}

}  // namespace
}  // namespace tarnhost
