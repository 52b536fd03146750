#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "host/lib/SubstituteHost.h"
#include "src/shell/HostAccess.h"

namespace tarnhost {
namespace {

namespace fs = std::filesystem;

std::u16string U16(const std::string& text) {
    return {text.begin(), text.end()};
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts{""};
    for (char c : text) {
        if (c == separator) {
            parts.emplace_back();
        } else {
            parts.back().push_back(c);
        }
    }
    return parts;
}

// Placement groups offered by a stand-in for the component while the host takes them: items
// of a group are separated by ":", the names of an item by ",".
class OfferedSections final : public IBraeLinkerSections {
public:
    std::vector<PlacementGroup> groups;
    int failAtGroup = 0;

    HResult QueryInterface(const TarnId&, void**) override { return kStatusNoInterface; }
    uint32_t AddRef() override { return 1; }
    uint32_t Release() override { return 0; }
    HResult GetGroupCount(int32_t* count) override {
        *count = static_cast<int32_t>(groups.size());
        return kStatusOk;
    }
    HResult GetAddressCount(int32_t g, int32_t* count) override {
        *count = static_cast<int32_t>(groups[g - 1].addresses.size());
        return g == failAtGroup ? kStatusFail : kStatusOk;
    }
    HResult GetAddress(int32_t g, int32_t a, WString* start, WString* end) override {
        const auto& address = groups[g - 1].addresses[a - 1];
        *start = u"0x" + U16(address.start);
        *end = address.end.empty() ? u"" : u"0x" + U16(address.end);
        return kStatusOk;
    }
    HResult GetItemCount(int32_t g, int32_t* count) override {
        *count = static_cast<int32_t>(Split(groups[g - 1].sections, ':').size());
        return kStatusOk;
    }
    HResult GetItem(int32_t g, int32_t item, HostStringList* names) override {
        names->elements.clear();
        for (const std::string& name : Split(Split(groups[g - 1].sections, ':')[item - 1], ',')) {
            names->elements.push_back(U16(name));
        }
        return kStatusOk;
    }
};

class HostServices : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("tarnhost-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        path_ = (dir_ / "demo.tarnws").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    SubstituteHost& Open(const std::string& linker, const std::string& groups) {
        std::ofstream(path_) << "[workspace]\nname = Demo\n[project]\nname = blinky\n"
                                "[configuration]\nname = Debug\ndirectory = out\n"
                                "[device]\nname = TM32\n[linker]\n"
                             << linker << "\n"
                             << groups << "[placeholders]\nBOARD = rev-b\n";
        std::string error;
        auto ws = Workspace::Open(path_, &error);
        EXPECT_NE(ws, nullptr) << error;
        host_ = std::make_unique<SubstituteHost>(
            std::move(ws), SubstituteHost::Options{"/opt/tarn", {}, dir_.string()});
        return *host_;
    }

    fs::path dir_;
    std::string path_;
    std::unique_ptr<SubstituteHost> host_;
};

TEST_F(HostServices, LinkerSettingsAnswerItemByItemAndWholeText) {
    auto& host = Open("capabilities = 0x3D\nmap = out/demo.map",
                      "[group]\naddress = 400\nsections = P,C::D\n");
    auto* settings = GetHostService<IBraeLinkerSettings>(host.Host(), kIdLinkerSettingService);
    ASSERT_NE(settings, nullptr);
    const Contexts c = host.ContextStrings();
    int32_t count = 0;
    ASSERT_EQ(settings->GetItemCount(c.workspace, c.project, c.config, 1, &count), kStatusOk);
    EXPECT_EQ(count, 2);  // "::" gives no empty item
    HostStringList names;
    ASSERT_EQ(settings->GetItem(c.workspace, c.project, c.config, 1, 1, &names), kStatusOk);
    EXPECT_EQ(names.elements, (std::vector<WString>{u"P", u"C"}));
    EXPECT_EQ(names.type, 0x2008);
    EXPECT_EQ(settings->GetItem(c.workspace, c.project, c.config, 1, 3, &names), kStatusFail);
    EXPECT_EQ(settings->GetItem(c.workspace, c.project, c.config, 2, 1, &names), kStatusFail);
    WString path;
    ASSERT_EQ(settings->GetMapListingPath(c.workspace, c.project, c.config, &path), kStatusOk);
    EXPECT_EQ(path, (dir_ / "out/demo.map").u16string());
    // Another configuration's context is refused.
    EXPECT_EQ(settings->GetGroupCount(c.workspace, c.project, u"Release", &count), kStatusFail);

    auto& whole = Open("capabilities = 0x3F", "[group]\nsections = A,(B:C),D\n");
    settings = GetHostService<IBraeLinkerSettings>(whole.Host(), kIdLinkerSettingService);
    ASSERT_EQ(settings->GetItemCount(c.workspace, c.project, c.config, 1, &count), kStatusOk);
    EXPECT_EQ(count, 1);
    ASSERT_EQ(settings->GetItem(c.workspace, c.project, c.config, 1, 1, &names), kStatusOk);
    EXPECT_EQ(names.elements, (std::vector<WString>{u"A,(B:C),D"}));
    EXPECT_EQ(settings->GetItem(c.workspace, c.project, c.config, 1, 2, &names), kStatusFail);
}

TEST_F(HostServices, TakingSettingsPullsEveryGroupAndWritesTheFile) {
    auto& host = Open("capabilities = 0x3D", "[group]\nsections = OLD\n");
    OfferedSections offered;
    offered.groups = {{{{"00000400", ""}, {"00008000", "00008FFF"}}, "P,C:D"}, {{}, "B"}};
    const Contexts c = host.ContextStrings();
    auto* settings = GetHostService<IBraeLinkerSettings>(host.Host(), kIdLinkerSettingService);
    ASSERT_NE(settings, nullptr);
    HostStringList names;
    ASSERT_EQ(settings->GetItem(c.workspace, c.project, c.config, 1, 1, &names), kStatusOk);
    EXPECT_EQ(names.elements, (std::vector<WString>{u"OLD"}));
    ASSERT_EQ(host.LinkerOptions()->TakeSectionSettings(c.workspace, c.project, c.config, &offered),
              kStatusOk);
    EXPECT_TRUE(host.SectionSettingsChanged());
    // The service answers from the groups just taken, not from what it read before.
    int32_t count = 0;
    ASSERT_EQ(settings->GetGroupCount(c.workspace, c.project, c.config, &count), kStatusOk);
    EXPECT_EQ(count, 2);
    ASSERT_EQ(settings->GetItem(c.workspace, c.project, c.config, 2, 1, &names), kStatusOk);
    EXPECT_EQ(names.elements, (std::vector<WString>{u"B"}));
    std::string error;
    auto reread = Workspace::Open(path_, &error);
    ASSERT_NE(reread, nullptr);
    const auto groups = reread->Groups();
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].sections, "P,C:D");
    EXPECT_EQ(groups[0].addresses[1].end, "0x00008FFF");
    EXPECT_EQ(groups[1].sections, "B");
    EXPECT_EQ(reread->CustomPlaceholders().size(), 1u);
}

TEST_F(HostServices, FailedTakeLeavesSettingsAsTheyWere) {
    auto& host = Open("capabilities = 0x3D", "[group]\nsections = OLD\n");
    OfferedSections offered;
    offered.groups = {{{}, "A"}, {{}, "B"}};
    offered.failAtGroup = 2;
    const Contexts c = host.ContextStrings();
    EXPECT_EQ(host.LinkerOptions()->TakeSectionSettings(c.workspace, c.project, c.config, &offered),
              kStatusFail);
    EXPECT_EQ(host.LinkerOptions()->LastError(), "group 2 could not be read");
    EXPECT_FALSE(host.SectionSettingsChanged());
    EXPECT_EQ(host.OpenWorkspace()->Groups().front().sections, "OLD");

    auto& locked = Open("capabilities = 0x3D\nsetting-state = 1", "[group]\nsections = OLD\n");
    offered.failAtGroup = 0;
    EXPECT_EQ(
        locked.LinkerOptions()->TakeSectionSettings(c.workspace, c.project, c.config, &offered),
        kStatusFail);
    EXPECT_EQ(locked.OpenWorkspace()->Groups().front().sections, "OLD");
}

TEST_F(HostServices, MemoryDescriptionRoundTripsWithTheDeviceContext) {
    auto& host = Open("", "");
    auto* memory = GetHostService<IBraeMemoryResources>(host.Host(), kIdMemoryResourceService);
    const Contexts c = host.ContextStrings();
    ASSERT_EQ(memory->WriteDescription(c.workspace, c.project, c.device, u"[S|MAP|] [X|Y]"),
              kStatusOk);
    WString text;
    ASSERT_EQ(memory->ReadDescription(c.workspace, c.project, c.device, &text), kStatusOk);
    EXPECT_EQ(text, u"[S|MAP|] [X|Y]");
    // The configuration name is the linker's context, not the memory map's.
    EXPECT_EQ(memory->ReadDescription(c.workspace, c.project, c.config, &text), kStatusFail);
}

TEST_F(HostServices, PlaceholderServicesAnswerForTheOpenWorkspaceOnly) {
    auto& host = Open("", "");
    auto* names = GetHostService<IBraePlaceholders>(host.Host(), kIdPlaceholderService);
    auto* custom =
        GetHostService<IBraeCustomPlaceholders>(host.Host(), kIdCustomPlaceholderService);
    ASSERT_NE(names, nullptr);
    ASSERT_NE(custom, nullptr);
    WString value;
    ASSERT_EQ(names->GetConfigDir(u"Demo", u"blinky", u"Debug", &value), kStatusOk);
    EXPECT_EQ(value, (dir_ / "out").u16string());
    EXPECT_EQ(names->GetConfigDir(u"Demo", u"other", u"Debug", &value), kStatusFail);
    ASSERT_EQ(names->GetBraeDir(&value), kStatusOk);
    EXPECT_EQ(value, u"/opt/tarn");
    std::vector<HostNameValue> list;
    ASSERT_EQ(custom->GetWorkspacePlaceholders(u"Demo", &list), kStatusOk);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].name, u"BOARD");
    EXPECT_EQ(list[0].value, u"rev-b");
}

}  // namespace
}  // namespace tarnhost
