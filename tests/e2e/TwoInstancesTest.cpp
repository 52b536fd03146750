// Two instances of the component run side by side: stopping one leaves the other its strings
// and dialogs.
#include <gtest/gtest.h>

#include <memory>

#include "platform/resources/ResourceContext.h"
#include "platform/system/Module.h"
#include "src/shell/HostIds.h"
#include "src/shell/HostInterfaces.h"
#include "tests/e2e/ComponentFixture.h"

namespace tarn_e2e {
namespace {

using TwoInstances = HostTest;

TEST_F(TwoInstances, TerminatingOneKeepsTheResourcesOfTheOther) {
    const auto module = tarnui::Module::Load(ComponentLibrary());
    ASSERT_NE(module, nullptr);
    const auto create = module->GetFunction<CreateInstanceFunction>(kExportCreateInstance);
    const auto destroy = module->GetFunction<DestroyInstanceFunction>(kExportDestroyInstance);
    const auto query = module->GetFunction<QueryInterface2Function>(kExportQueryInterface2);
    ASSERT_TRUE(create && destroy && query);
    IBraeComponent* instances[2] = {};
    for (ComponentInstanceKey key : {1u, 2u}) {
        ASSERT_EQ(create(key), kStatusOk);
        void* out = nullptr;
        ASSERT_EQ(query(key, &kIdIBraeComponent, &out), kStatusOk);
        instances[key - 1] = static_cast<IBraeComponent*>(out);
        ASSERT_EQ(instances[key - 1]->Initialise(host.Host(), 1), kStatusOk);
    }

    ASSERT_EQ(instances[0]->Terminate(1), kStatusOk);
    EXPECT_EQ(tarnui::LoadString(110), "Map");
    EXPECT_NE(tarnui::FindDialogTemplate(9011), nullptr);

    ASSERT_EQ(instances[1]->Terminate(1), kStatusOk);
    EXPECT_EQ(tarnui::CurrentResourceTable(), nullptr) << "the last instance takes the table";
    destroy(1);
    destroy(2);
}

}  // namespace
}  // namespace tarn_e2e
