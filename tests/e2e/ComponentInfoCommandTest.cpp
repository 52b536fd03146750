// The loader's own failures; `tarnmap component-info` is a case in tests/cases/component-info.
#include <gtest/gtest.h>

#include <string>

#include "host/lib/ComponentLoader.h"
#include "host/lib/ErrorService.h"
#include "src/shell/HostIds.h"
#include "tests/e2e/ComponentFixture.h"

namespace tarn_e2e {
namespace {

TEST(ComponentLoader, StepsOutOfOrderAreReportedNotAttempted) {
    tarnhost::ErrorService errors;
    tarnhost::ComponentLoader loader(&errors);
    EXPECT_FALSE(loader.CreateInstance());
    EXPECT_EQ(loader.LastFailure(), "no component library is loaded");
    ASSERT_TRUE(loader.Load(ComponentLibrary()));
    EXPECT_FALSE(loader.QueryInterfaces());
    EXPECT_EQ(loader.LastFailure(), "no component instance was created");
    EXPECT_FALSE(loader.Initialise(nullptr, 1));
    EXPECT_EQ(loader.LastFailure(), "cannot initialise: the component interface was not obtained");
    EXPECT_FALSE(loader.Register(nullptr));
    EXPECT_EQ(loader.LastFailure(), "the host has no registrar");
    EXPECT_FALSE(loader.Load(ComponentLibrary()));  // already loaded
    EXPECT_EQ(errors.Reports().size(), loader.Failures().size());

    ASSERT_TRUE(loader.CreateInstance());
    EXPECT_FALSE(loader.CreateInstance());
    ASSERT_TRUE(loader.QueryInterfaces());
    EXPECT_FALSE(loader.Initialise(nullptr, 1));
    EXPECT_EQ(loader.LastFailure(), "the component's initialise failed with 0x80004005");
    loader.Shutdown();
    EXPECT_FALSE(loader.IsLoaded());
    EXPECT_EQ(loader.Component(), nullptr);
}

}  // namespace
}  // namespace tarn_e2e
