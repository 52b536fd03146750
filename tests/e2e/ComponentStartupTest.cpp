// Initialise and terminate of the built component through the loader: the resource library
// check with a broken one, the start flag, the error reporter, and the session's events.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "host/lib/ComponentSession.h"
#include "platform/resources/ResourceContext.h"
#include "src/shell/HostIds.h"
#include "tests/e2e/ComponentFixture.h"

namespace tarn_e2e {
namespace {

class StartupTest : public HostTest {
protected:
    // Loads, registers, creates and queries, without initialising. What starting and every
    // host event do is in tests/src/shell/CTarnMapDataCtrlTest.cpp.
    void SetUp() override {
        ASSERT_TRUE(loader.Load(ComponentLibrary())) << loader.LastFailure();
        ASSERT_TRUE(loader.Register(&host.Registrations())) << loader.LastFailure();
        ASSERT_TRUE(loader.CreateInstance()) << loader.LastFailure();
        ASSERT_TRUE(loader.QueryInterfaces()) << loader.LastFailure();
    }
    IBraeComponent& Component() { return *loader.Component(); }
    const std::vector<tarnui::Window*>& HostWindows() {
        return host.Windows().MainWindow().Children();
    }

    tarnhost::ComponentLoader loader{&host.Errors()};
};

TEST_F(StartupTest, InitialiseWithTheFlagClearCreatesNothing) {
    EXPECT_EQ(Component().Initialise(host.Host(), 0), kStatusOk);
    EXPECT_TRUE(HostWindows().empty());
    EXPECT_EQ(tarnui::CurrentResourceTable(), nullptr);
    EXPECT_TRUE(backend.Events().empty());
    // Nothing was started, so nothing is terminated either.
    EXPECT_EQ(Component().Terminate(0), kStatusFail);
}

TEST_F(StartupTest, WithoutHostNothingStartsAndOnlyTerminateWithTheFlagSetStops) {
    EXPECT_EQ(Component().Initialise(nullptr, 1), kStatusFail);
    EXPECT_EQ(Component().Initialise(nullptr, 0), kStatusFail);
    EXPECT_EQ(Component().Terminate(1), kStatusFail);
    EXPECT_TRUE(HostWindows().empty());
    EXPECT_EQ(tarnui::CurrentResourceTable(), nullptr);

    ASSERT_EQ(Component().Initialise(host.Host(), 1), kStatusOk);
    EXPECT_EQ(Component().Terminate(0), kStatusOk);
    EXPECT_EQ(HostWindows().size(), 1u);
    // Destroying the running instance removes its window.
    ASSERT_TRUE(loader.DestroyInstance());
    EXPECT_TRUE(HostWindows().empty());
}

TEST_F(StartupTest, ErrorReporterPassesToTheHostsErrorService) {
    EXPECT_EQ(loader.ErrorReporter()->Report(7, 9), kStatusFail);  // no host yet
    ASSERT_EQ(Component().Initialise(host.Host(), 1), kStatusOk);
    EXPECT_EQ(loader.ErrorReporter()->Report(7, 9), kStatusOk);
    ASSERT_FALSE(host.Errors().Reports().empty());
    EXPECT_EQ(host.Errors().Reports().back(), (tarnhost::ErrorReport{7, 9}));
}

// --- the session: start-up, event forwarding, shut-down ------------------------------------

TEST_F(HostTest, SessionStartsTheComponentAndForwardsTheHostsEvents) {
    tarnhost::ComponentSession session(host, ComponentLibrary());
    ASSERT_TRUE(session.Start()) << session.Loader().LastFailure();
    EXPECT_TRUE(session.Initialised());

    // A memory resource event raised through the host comes back to the component.
    host.Host()->RaiseEvent(kIdEventMemoryResourcesChanged1, 0);
    host.Host()->RaiseEvent(kIdEventHostLockOn, 0);  // not a broadcast: dropped
    EXPECT_EQ(session.PendingEvents(), 1u);
    session.PostEvent(kIdEventHostLockOn);
    session.PostEvent(kIdEventHostLockOff);
    EXPECT_EQ(session.DeliverEvents(), 3);
    EXPECT_EQ(session.PendingEvents(), 0u);
    EXPECT_EQ(session.DeliverEvents(), 0);
    EXPECT_TRUE(session.Loader().Failures().empty());

    session.Stop();
    EXPECT_FALSE(session.Loader().IsLoaded());
    EXPECT_TRUE(host.Windows().MainWindow().Children().empty());
    // The host no longer forwards to the stopped component.
    host.Host()->RaiseEvent(kIdEventMemoryResourcesChanged1, 0);
    EXPECT_EQ(session.PendingEvents(), 0u);
}

// No placement groups at all: what a cleared section setting tree offers.
class NoSections : public IBraeLinkerSections {
public:
    HResult QueryInterface(const TarnId&, void** out) override {
        *out = nullptr;
        return kStatusNoInterface;
    }
    uint32_t AddRef() override { return 1; }
    uint32_t Release() override { return 0; }
    HResult GetGroupCount(int32_t* count) override {
        *count = 0;
        return kStatusOk;
    }
    HResult GetAddressCount(int32_t, int32_t*) override { return kStatusFail; }
    HResult GetAddress(int32_t, int32_t, WString*, WString*) override { return kStatusFail; }
    HResult GetItemCount(int32_t, int32_t*) override { return kStatusFail; }
    HResult GetItem(int32_t, int32_t, HostStringList*) override { return kStatusFail; }
};

TEST(ComponentSession, SettingsTakenByTheLinkerOptionsBecomeASectionSettingsEvent) {
    tarnui::HeadlessBackend backend;
    tarnui::ScopedBackend useBackend(backend);
    ScratchDir config;
    tarnhost::SubstituteHost host(tarnhost::Workspace::ForListing(config / "missing.map"),
                                  {"", {}, config.Path().string()});
    tarnhost::ComponentSession session(host, ComponentLibrary());
    ASSERT_TRUE(session.Start()) << session.Loader().LastFailure();

    const tarnhost::Contexts contexts = host.ContextStrings();
    NoSections sections;
    ASSERT_EQ(host.LinkerOptions()->TakeSectionSettings(contexts.workspace, contexts.project,
                                                        contexts.config, &sections),
              kStatusOk)
        << host.LinkerOptions()->LastError();
    EXPECT_TRUE(host.SectionSettingsChanged());
    EXPECT_EQ(session.DeliverEvents(), 1);
    EXPECT_FALSE(host.SectionSettingsChanged());
    EXPECT_EQ(session.DeliverEvents(), 0);
}

TEST_F(HostTest, SessionReportsAMissingLibrary) {
    ScratchDir dir;
    tarnhost::ComponentSession session(host, dir / "libTarnMap.so");
    EXPECT_FALSE(session.Start());
    EXPECT_FALSE(session.Initialised());
    EXPECT_EQ(session.Registration(), nullptr);
    EXPECT_NE(session.Loader().LastFailure().find(dir / "libTarnMap.so"), std::string::npos);
    ASSERT_EQ(host.Errors().Reports().size(), 1u);
    EXPECT_EQ(
        host.Errors().Reports().front(),
        (tarnhost::ErrorReport{static_cast<int32_t>(tarnhost::LoaderStage::Load), kStatusFail}));
}

// --- the resource library check ------------------------------------------------------------

// Every faulty resource library, through `tarnmap component-info`, is a case in
// tests/cases/component-info; here one of them shows that a failed start leaves nothing behind.
TEST_F(HostTest, AFaultyResourceLibraryFailsTheStartAndLeavesNothingBehind) {
    ComponentCopy copy(BrokenResourceLibrary("wrong_type"));
    tarnhost::ComponentSession session(host, copy.Library());
    EXPECT_FALSE(session.Start());
    EXPECT_FALSE(session.Initialised());
    EXPECT_EQ(session.Loader().LastFailure(), "the component's initialise failed with 0x80004005");
    EXPECT_EQ(backend.MessageTexts(), (std::vector<std::string>{"Dll " + copy.ResourceLibrary() +
                                                                " is not a resources Dll"}));
    EXPECT_TRUE(host.Windows().MainWindow().Children().empty());
    EXPECT_EQ(tarnui::CurrentResourceTable(), nullptr);
}

}  // namespace
}  // namespace tarn_e2e
