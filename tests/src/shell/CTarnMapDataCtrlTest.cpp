// The component object linked directly: which sink operation each host event reaches, the
// start-up and shut-down of the sink and its window, and the module name failure.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/lib/BraeHost.h"
#include "host/lib/SubstituteHost.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/resources/ResourceContext.h"
#include "src/resources/ResourceIds.h"
#include "src/shell/CTarnMapDataCtrl.h"
#include "src/shell/HostIds.h"
#include "src/shell/ResourceLibraryCheck.h"
#include "src/shell/framework/CViewFrameManager.h"
#include "src/shell/sink/CTarnMapDataCommandSink.h"
#include "tests/support/TempDir.h"

namespace {

using Calls = std::vector<std::string>;

// A sink that writes down every operation the component object asks of it, then does it.
class RecordingSink : public CTarnMapDataCommandSink {
public:
    RecordingSink(IBraeHost* host, CViewFrameManager* frames, Calls& calls)
        : CTarnMapDataCommandSink(host, frames), calls_(calls) {}

    void Reload(int kind) override {
        calls_.push_back("Reload " + std::to_string(kind));
        CTarnMapDataCommandSink::Reload(kind);
    }
    void Refresh(int kind) override {
        calls_.push_back("Refresh " + std::to_string(kind));
        CTarnMapDataCommandSink::Refresh(kind);
    }
    void SetHostLock(bool on) override {
        calls_.push_back(on ? "Lock on" : "Lock off");
        CTarnMapDataCommandSink::SetHostLock(on);
    }
    void RememberEditMode() override { calls_.push_back("Remember edit mode"); }
    void RestoreEditMode() override { calls_.push_back("Restore edit mode"); }
    void RunLinkerOptionQuery() override { calls_.push_back("Linker option query"); }
    void BroadcastDebuggerFirst() override { calls_.push_back("Debugger first"); }
    void BroadcastDebuggerSecond() override { calls_.push_back("Debugger second"); }
    void CloseAllViews() override {
        calls_.push_back(tarnui::CurrentResourceTable() != nullptr
                             ? "Close views"
                             : "Close views without resources");
    }

private:
    Calls& calls_;
};

// The calls are kept outside the object: its sink still reports while the object goes.
class TestMapCtrl : public CTarnMapDataCtrl {
public:
    explicit TestMapCtrl(Calls& log) : calls(log) {}
    Calls& calls;
    bool unnamedModule = false;

protected:
    std::unique_ptr<CTarnMapDataCommandSink> NewCommandSink(IBraeHost* host,
                                                            CViewFrameManager* frames) override {
        calls.push_back("New sink");
        return std::make_unique<RecordingSink>(host, frames, calls);
    }
    std::string ComponentFileName() const override {
        return unnamedModule ? std::string() : CTarnMapDataCtrl::ComponentFileName();
    }
};

class MapCtrlTest : public ::testing::Test {
protected:
    void Start() {
        ASSERT_EQ(ctrl.Initialise(host.Host(), 1), kStatusOk);
        ASSERT_NE(ctrl.CommandSink(), nullptr);
        ctrl.calls.clear();
    }
    const std::vector<tarnui::Window*>& HostWindows() {
        return host.Windows().MainWindow().Children();
    }

    tarnui::HeadlessBackend backend;

private:
    tarnui::ScopedBackend useBackend_{backend};
    tarnhost::TempDir configDir_;

protected:
    tarnhost::SubstituteHost host{nullptr, {"", {}, configDir_.Path().string()}};
    Calls calls;
    TestMapCtrl ctrl{calls};
};

TEST_F(MapCtrlTest, HostEventsReachTheSinkOperationsInOrder) {
    const Calls sectionSettings = {"Reload 1", "Refresh 1"};
    const Calls memory = {"Reload 3"};
    const struct {
        const char* name;
        TarnId event;
        Calls calls;
    } cases[] = {
        {"SectionSettingsChanged", kIdEventSectionSettingsChanged, sectionSettings},
        {"HostLockOn", kIdEventHostLockOn, {"Lock on", "Remember edit mode"}},
        {"HostLockOff",
         kIdEventHostLockOff,
         {"Lock off", "Restore edit mode", "Reload 4", "Refresh 4"}},
        {"Memory1", kIdEventMemoryResourcesChanged1, memory},
        {"Memory2", kIdEventMemoryResourcesChanged2, memory},
        {"Memory3", kIdEventMemoryResourcesChanged3, memory},
        {"Memory4", kIdEventMemoryResourcesChanged4, memory},
        {"Memory5", kIdEventMemoryResourcesChanged5, memory},
        {"LinkerOptionsChanged",
         kIdEventLinkerOptionsChanged,
         {"Linker option query", "Reload 1", "Refresh 1"}},
        {"DebuggerFirst", kIdEventDebuggerFirst, {"Debugger first"}},
        {"DebuggerSecond", kIdEventDebuggerSecond, {"Debugger second"}},
        {"Unknown", kIdIBraeHost, {}},
        {"ComponentIdentifier", kIdTarnMapComponent, {}},
    };
    Start();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ctrl.calls.clear();
        EXPECT_EQ(ctrl.Event(c.event), kStatusOk);
        EXPECT_EQ(ctrl.calls, c.calls);
    }
}

TEST_F(MapCtrlTest, HostLockFollowsTheLockEvents) {
    Start();
    ctrl.Event(kIdEventHostLockOn);
    EXPECT_TRUE(ctrl.CommandSink()->HostLock());
    ctrl.Event(kIdEventSectionSettingsChanged);
    EXPECT_TRUE(ctrl.CommandSink()->HostLock());
    ctrl.Event(kIdEventHostLockOff);
    EXPECT_FALSE(ctrl.CommandSink()->HostLock());
}

TEST_F(MapCtrlTest, EventsBeforeStartReachNothing) {
    EXPECT_EQ(ctrl.Event(kIdEventHostLockOff), kStatusOk);
    EXPECT_EQ(ctrl.Initialise(host.Host(), 0), kStatusOk);
    EXPECT_EQ(ctrl.Event(kIdEventSectionSettingsChanged), kStatusOk);
    EXPECT_TRUE(ctrl.calls.empty());
    EXPECT_EQ(ctrl.CommandSink(), nullptr);
    EXPECT_EQ(ctrl.FrameManager(), nullptr);
}

TEST_F(MapCtrlTest, StartCreatesFrameManagerSinkHiddenChildWindowAndLoadsResources) {
    ASSERT_EQ(ctrl.Initialise(host.Host(), 1), kStatusOk);
    EXPECT_EQ(ctrl.calls, (Calls{"New sink"}));
    ASSERT_NE(ctrl.FrameManager(), nullptr);
    EXPECT_EQ(ctrl.FrameManager()->Host(), host.Host());
    CTarnMapDataCommandSink* sink = ctrl.CommandSink();
    ASSERT_NE(sink, nullptr);
    EXPECT_EQ(sink->Host(), host.Host());
    EXPECT_EQ(sink->FrameManager(), ctrl.FrameManager());
    EXPECT_TRUE(sink->IsCreated());
    EXPECT_EQ(sink->GetParent(), &host.Windows().MainWindow());
    EXPECT_FALSE(sink->IsVisibleFlag());
    // The resource library beside the component is loaded and current.
    ASSERT_NE(ctrl.ResourceLibraryInUse(), nullptr);
    EXPECT_EQ(ctrl.ResourceLibraryInUse()->Path(),
              std::string(TARN_BINARY_DIR) + "/" + ResourceLibraryFileName());
    EXPECT_EQ(tarnui::CurrentResourceTable(), &ctrl.ResourceLibraryInUse()->Table());
    EXPECT_TRUE(backend.Events().empty());

    // Started again: the sink and its windows stay.
    ASSERT_EQ(ctrl.Initialise(host.Host(), 1), kStatusOk);
    EXPECT_EQ(ctrl.CommandSink(), sink);
    EXPECT_EQ(HostWindows().size(), 1u);
}

TEST_F(MapCtrlTest, WithoutAHostMainWindowTheSinkWindowIsHiddenTopLevel) {
    tarnhost::BraeHost bareHost;
    ASSERT_EQ(ctrl.Initialise(&bareHost, 1), kStatusOk);
    ASSERT_NE(ctrl.CommandSink(), nullptr);
    EXPECT_TRUE(ctrl.CommandSink()->IsCreated());
    EXPECT_EQ(ctrl.CommandSink()->GetParent(), nullptr);
    EXPECT_FALSE(ctrl.CommandSink()->IsWindowVisible());
    EXPECT_EQ(ctrl.Report(1, 2), kStatusFail);  // that host has no error service
    EXPECT_EQ(ctrl.Terminate(1), kStatusOk);
}

TEST_F(MapCtrlTest, TerminateClosesTheViewsWhileTheResourcesAreStillThere) {
    Start();
    ASSERT_EQ(ctrl.Terminate(1), kStatusOk);
    EXPECT_EQ(ctrl.calls, (Calls{"Close views"}));
    EXPECT_EQ(ctrl.CommandSink(), nullptr);
    EXPECT_EQ(ctrl.Host(), nullptr);
    EXPECT_EQ(ctrl.ResourceLibraryInUse(), nullptr);
    EXPECT_EQ(tarnui::CurrentResourceTable(), nullptr);
    EXPECT_TRUE(HostWindows().empty());
    // The frame manager stays with the object until it is deleted.
    EXPECT_NE(ctrl.FrameManager(), nullptr);
    EXPECT_EQ(ctrl.Terminate(1), kStatusFail);
}

TEST_F(MapCtrlTest, DeletingARunningObjectClosesItsSink) {
    Calls calls;
    {
        auto other = std::make_unique<TestMapCtrl>(calls);
        ASSERT_EQ(other->Initialise(host.Host(), 1), kStatusOk);
        ASSERT_EQ(HostWindows().size(), 1u);
        other.reset();
    }
    EXPECT_EQ(calls, (Calls{"New sink", "Close views"}));
    EXPECT_TRUE(HostWindows().empty());
    EXPECT_EQ(tarnui::CurrentResourceTable(), nullptr);
}

TEST_F(MapCtrlTest, AnUnnamedModuleShowsTwoMessagesAndFails) {
    ctrl.unnamedModule = true;
    EXPECT_EQ(ctrl.Initialise(host.Host(), 1), kStatusFail);
    const auto boxes = backend.EventsOf(tarnui::ShownKind::MessageBox);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text,
              "Cannot obtain module. File name missing.\nPlease read User Guide to "
              "create/install a new version.");
    EXPECT_EQ(boxes[0].icon, tarnui::MessageBoxIcon::Error);
    EXPECT_EQ(boxes[1].text, "Application will now exit.");
    EXPECT_EQ(boxes[1].icon, tarnui::MessageBoxIcon::None);
    EXPECT_EQ(ctrl.CommandSink(), nullptr);
    EXPECT_EQ(ctrl.Host(), nullptr);
    EXPECT_TRUE(ctrl.calls.empty());
}

// The component's own copies of the check's messages say what the library says.
TEST(ResourceCheckTexts, MatchTheResourceLibrarysStrings) {
    const auto library = tarnui::ResourceLibrary::Load(std::string(TARN_BINARY_DIR) + "/" +
                                                       ResourceLibraryFileName());
    ASSERT_NE(library, nullptr);
    namespace text = resource_check_text;
    const std::pair<int, const char*> copies[] = {
        {tarnres::kStrMissingInterfaceVersion, text::kMissingInterfaceVersion},
        {tarnres::kStrMissingType, text::kMissingType},
        {tarnres::kStrMissingProductVersion, text::kMissingProductVersion},
        {tarnres::kStrMissingOrdinalVersion, text::kMissingOrdinalVersion},
        {tarnres::kStrModuleNameMissing, text::kModuleNameMissing},
        {tarnres::kStrApplicationWillExit, text::kApplicationWillExit},
        {tarnres::kStrErrorLoadingLibrary, text::kErrorLoadingLibrary},
        {tarnres::kStrNotResourceLibrary, text::kNotResourceLibrary},
        {tarnres::kStrIncorrectVersion, text::kIncorrectVersion},
    };
    for (const auto& [id, copy] : copies) {
        const auto found = library->Table().strings.find(id);
        ASSERT_NE(found, library->Table().strings.end()) << id;
        EXPECT_EQ(found->second, copy) << id;
    }
}

}  // namespace
