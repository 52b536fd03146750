// Rewriting the placement groups keeps each group's comments and unknown keys with that group,
// drops them with it, and never takes the comment that introduces the next section.
#include <gtest/gtest.h>

#include "host/lib/Workspace.h"
#include "tests/support/TempDir.h"

namespace tarnhost {
namespace {

constexpr const char* kGroups =
    "[workspace]\n"
    "name = W\n"
    "\n"
    "# boot code\n"
    "[group]\n"
    "address = 100\n"
    "sections = A\n"
    "owner = ann\n"
    "\n"
    "# tables\n"
    "[group]\n"
    "address = 200\n"
    "sections = B\n"
    "owner = bob\n"
    "\n"
    "# data\n"
    "[group]\n"
    "address = 300\n"
    "sections = C\n"
    "\n"
    "# the device's memory\n"
    "[memory]\n"
    "description = x\n";

PlacementGroup Group(const char* start, const char* sections) {
    return {{{start, ""}}, sections};
}

TEST(GroupComments, StayWithTheirGroupAndGoWhenItIsDeleted) {
    TempDir dir;
    const std::string path = dir.Write("w.tarnws", kGroups);
    std::string error;
    auto workspace = Workspace::Open(path, &error);
    ASSERT_NE(workspace, nullptr) << error;

    // The component hands addresses back in its own spelling.
    ASSERT_TRUE(workspace->SetGroups({Group("0x00000100", "A"), Group("0x00000300", "C")}, &error))
        << error;
    EXPECT_EQ(ReadAll(path),
              "[workspace]\nname = W\n\n"
              "# boot code\n[group]\naddress = 0x00000100\nsections = A\nowner = ann\n\n"
              "# data\n[group]\naddress = 0x00000300\nsections = C\n\n"
              "# the device's memory\n[memory]\ndescription = x\n");

    ASSERT_TRUE(workspace->SetGroups({Group("0x00000100", "A")}, &error)) << error;
    EXPECT_EQ(ReadAll(path),
              "[workspace]\nname = W\n\n"
              "# boot code\n[group]\naddress = 0x00000100\nsections = A\nowner = ann\n\n"
              "# the device's memory\n[memory]\ndescription = x\n");
}

}  // namespace
}  // namespace tarnhost
