// Rewriting the placement groups keeps each group's comments and unknown keys with it, drops
// them with a deleted group, and never takes the comment above the next section.
#include <gtest/gtest.h>

#include "host/lib/Workspace.h"
#include "tests/support/TempDir.h"

namespace tarnhost {
namespace {

const std::string kBoot = "# boot code\n[group]\naddress = 100\nsections = A\nowner = ann\n\n";
const std::string kTables = "# tables\n[group]\naddress = 200\nsections = B\nowner = bob\n\n";
const std::string kData = "# data\n[group]\naddress = 300\nsections = C\n\n";
const std::string kMemory = "# the device's memory\n[memory]\ndescription = x\n";

// A block as written back: the addresses in the component's spelling.
std::string Rewritten(std::string block) {
    const size_t at = block.find("address = ") + 10;
    return block.replace(at, 3, "0x00000" + block.substr(at, 3));
}

TEST(GroupComments, StayWithTheirGroupAndGoWhenItIsDeleted) {
    TempDir dir;
    const std::string path = dir.Write("w.tarnws", kBoot + kTables + kData + kMemory);
    std::string error;
    auto workspace = Workspace::Open(path, &error);
    ASSERT_NE(workspace, nullptr) << error;
    // The component hands the addresses back in its own spelling.
    const PlacementGroup boot{{{"0x00000100", ""}}, "A"};
    ASSERT_TRUE(workspace->SetGroups({boot, {{{"0x00000300", ""}}, "C"}}, &error)) << error;
    EXPECT_EQ(ReadAll(path), Rewritten(kBoot) + Rewritten(kData) + kMemory);
    ASSERT_TRUE(workspace->SetGroups({boot}, &error)) << error;
    EXPECT_EQ(ReadAll(path), Rewritten(kBoot) + kMemory);
}

}  // namespace
}  // namespace tarnhost
