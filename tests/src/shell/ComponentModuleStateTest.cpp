// The component's resource table is shared by its running instances.
#include <gtest/gtest.h>

#include "src/shell/framework/ComponentModuleState.h"

namespace {

TEST(ComponentModuleState, TheTableGoesOnlyWithItsLastHolder) {
    const tarnui::ResourceTable table;
    HoldComponentResourceTable(&table);
    HoldComponentResourceTable(&table);
    ReleaseComponentResourceTable(&table);
    EXPECT_EQ(ComponentResourceTable(), &table);
    ReleaseComponentResourceTable(&table);
    EXPECT_EQ(ComponentResourceTable(), nullptr);
}

}  // namespace
