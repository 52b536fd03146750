// The five entry points of the built libTarnMap.so, loaded with dlopen as the host loads it;
// stopping one of two instances leaves the other its strings and dialogs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/lib/ComponentLoader.h"
#include "platform/resources/ResourceContext.h"
#include "platform/system/Module.h"
#include "src/shell/HostIds.h"
#include "src/shell/HostInterfaces.h"
#include "tests/e2e/ComponentFixture.h"

namespace tarn_e2e {
namespace {

constexpr TarnId kUnknownId{{0x01, 0x02, 0x03}};

class EntryPointsTest : public HostTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(loader.Load(ComponentLibrary())) << loader.LastFailure();
        ASSERT_TRUE(loader.CreateInstance()) << loader.LastFailure();
    }

    void* Query(const TarnId& id, HResult* status) {
        void* out = reinterpret_cast<void*>(0x1);  // must be cleared
        *status = loader.QueryInterface(id, &out);
        return out;
    }

    tarnhost::ComponentLoader loader{&host.Errors()};
};

// The name and version 1.0 are in the case tests/cases/component-info/built.
TEST_F(EntryPointsTest, RegistersOnceWithOneInterface) {
    ASSERT_TRUE(loader.Register(&host.Registrations()));
    const auto& registrations = host.Registrations().Registrations();
    ASSERT_EQ(registrations.size(), 1u);
    const tarnhost::ComponentRegistration& entry = registrations.front();
    EXPECT_EQ(entry.component, kIdTarnMapComponent);
    EXPECT_EQ(entry.interfaces.size(), 1u);
    EXPECT_EQ(std::vector<int32_t>({entry.interfaceCount, entry.registrationWord1,
                                    entry.registrationWord2, entry.registrationWord3}),
              std::vector<int32_t>({1, 0, 1, 0}));
}

TEST_F(EntryPointsTest, QueryRulesGiveEachInterfaceItsPart) {
    HResult status = kStatusFail;
    void* registry = Query(kIdIBraeRegistryClient, &status);
    EXPECT_EQ(status, kStatusOk);
    void* generic = Query(kIdIUnknown, &status);
    EXPECT_EQ(status, kStatusOk);
    void* component = Query(kIdIBraeComponent, &status);
    EXPECT_EQ(status, kStatusOk);
    void* byComponentId = Query(kIdTarnMapComponent, &status);
    EXPECT_EQ(status, kStatusOk);
    void* reporter = Query(kIdIBraeErrorReporter, &status);
    EXPECT_EQ(status, kStatusOk);

    ASSERT_NE(registry, nullptr);
    ASSERT_NE(component, nullptr);
    ASSERT_NE(reporter, nullptr);
    EXPECT_EQ(generic, registry);
    EXPECT_EQ(byComponentId, component);
    EXPECT_NE(component, registry);
    EXPECT_NE(reporter, registry);
    EXPECT_NE(reporter, component);

    // Every part answers the same query and counts no references.
    auto* componentPart = static_cast<IBraeComponent*>(component);
    void* again = nullptr;
    EXPECT_EQ(componentPart->QueryInterface(kIdIBraeErrorReporter, &again), kStatusOk);
    EXPECT_EQ(again, reporter);
    EXPECT_EQ(componentPart->AddRef(), 1u);
    EXPECT_EQ(componentPart->Release(), 0u);
}

TEST_F(EntryPointsTest, UnknownInterfaceGivesNullAndNoInterface) {
    for (const TarnId& id : {kUnknownId, kIdIBraeHost, kIdErrorService}) {
        HResult status = kStatusOk;
        EXPECT_EQ(Query(id, &status), nullptr);
        EXPECT_EQ(status, kStatusNoInterface);
    }
}

// The host's keys are opaque: the exports are called with keys the loader never used.
class RawExportsTest : public HostTest {
protected:
    void SetUp() override {
        module = tarnui::Module::Load(ComponentLibrary());
        ASSERT_NE(module, nullptr);
        create = module->GetFunction<CreateInstanceFunction>(kExportCreateInstance);
        destroy = module->GetFunction<DestroyInstanceFunction>(kExportDestroyInstance);
        query = module->GetFunction<QueryInterface2Function>(kExportQueryInterface2);
        ASSERT_NE(create, nullptr);
        ASSERT_NE(destroy, nullptr);
        ASSERT_NE(query, nullptr);
    }

    std::unique_ptr<tarnui::Module> module;
    CreateInstanceFunction create = nullptr;
    DestroyInstanceFunction destroy = nullptr;
    QueryInterface2Function query = nullptr;
};

TEST_F(RawExportsTest, InstancesAreKeptApartAndGoneAfterDestroy) {
    ASSERT_EQ(create(0x100), kStatusOk);
    ASSERT_EQ(create(0x200), kStatusOk);
    void* first = nullptr;
    void* second = nullptr;
    ASSERT_EQ(query(0x100, &kIdIBraeComponent, &first), kStatusOk);
    ASSERT_EQ(query(0x200, &kIdIBraeComponent, &second), kStatusOk);
    EXPECT_NE(first, second);

    // Creating under a key in use keeps the object the host already holds.
    ASSERT_EQ(create(0x100), kStatusOk);
    void* again = nullptr;
    ASSERT_EQ(query(0x100, &kIdIBraeComponent, &again), kStatusOk);
    EXPECT_EQ(again, first);

    ASSERT_EQ(destroy(0x100), kStatusOk);
    void* gone = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(query(0x100, &kIdIBraeComponent, &gone), kStatusNoInterface);
    EXPECT_EQ(gone, nullptr);
    ASSERT_EQ(query(0x200, &kIdIBraeComponent, &second), kStatusOk);
    EXPECT_EQ(destroy(0x200), kStatusOk);
}

TEST_F(RawExportsTest, UnknownKeysAndMissingArgumentsAreTolerated) {
    EXPECT_EQ(destroy(0x5eed), kStatusOk);
    EXPECT_EQ(destroy(0), kStatusOk);
    void* out = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(query(0x300, &kIdIBraeComponent, &out), kStatusNoInterface);
    EXPECT_EQ(out, nullptr);
    out = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(query(0x300, nullptr, &out), kStatusNoInterface);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(query(0x300, &kIdIBraeComponent, nullptr), kStatusNoInterface);
}

TEST_F(RawExportsTest, TerminatingOneInstanceKeepsTheResourcesOfTheOther) {
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
