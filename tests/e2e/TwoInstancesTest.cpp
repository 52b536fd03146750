// Stopping one of two instances leaves the other its strings and dialogs.
#include <gtest/gtest.h>

#include "platform/resources/ResourceContext.h"
#include "platform/system/Module.h"
#include "src/shell/HostIds.h"
#include "tests/e2e/ComponentFixture.h"

namespace tarn_e2e {
namespace {

TEST_F(HostTest, TerminatingOneInstanceKeepsTheResourcesOfTheOther) {
    const auto module = tarnui::Module::Load(ComponentLibrary());
    ASSERT_NE(module, nullptr);
    const auto create = module->GetFunction<CreateInstanceFunction>(kExportCreateInstance);
    const auto query = module->GetFunction<QueryInterface2Function>(kExportQueryInterface2);
    const auto destroy = module->GetFunction<DestroyInstanceFunction>(kExportDestroyInstance);
    IBraeComponent* instances[2] = {};
    for (ComponentInstanceKey key : {0u, 1u}) {
        void* out = nullptr;
        ASSERT_TRUE(create(key) == kStatusOk && query(key, &kIdIBraeComponent, &out) == kStatusOk);
        instances[key] = static_cast<IBraeComponent*>(out);
        ASSERT_EQ(instances[key]->Initialise(host.Host(), 1), kStatusOk);
    }
    ASSERT_EQ(instances[0]->Terminate(1), kStatusOk);
    EXPECT_EQ(tarnui::LoadString(110), "Map");
    EXPECT_NE(tarnui::FindDialogTemplate(9011), nullptr);
    ASSERT_EQ(instances[1]->Terminate(1), kStatusOk);
    EXPECT_EQ(tarnui::CurrentResourceTable(), nullptr) << "the last instance takes the table";
    destroy(0);
    destroy(1);
}

}  // namespace
}  // namespace tarn_e2e
