#include <gtest/gtest.h>

#include <filesystem>

#include "host/lib/SubstituteHost.h"
#include "src/shell/HostAccess.h"
#include "tests/support/TempDir.h"

namespace tarnhost {
namespace {

namespace fs = std::filesystem;
using Address = IBraeWorkspaceData::Address;

constexpr const char* kWorkspaceText =
    "[workspace]\nname = Demo\n[project]\nname = blinky\n"
    "[configuration]\nname = Debug\n[device]\nname = TM32F100\n";
const Address kHere{u"Demo", u"blinky", u"Debug", u"TM32F100", u"{6B2A-MAP}"};

// What one run writes the next reads, in the data file's format: the case
// tests/cases/windows/workspace-stored.
class WorkspaceData : public ::testing::Test {
protected:
    std::unique_ptr<Workspace> OpenWorkspace() {
        std::string error;
        auto workspace = Workspace::Open(path_, &error);
        EXPECT_NE(workspace, nullptr) << error;
        return workspace;
    }

    TempDir dir_;
    std::string path_ = dir_.Write("demo.tarnws", kWorkspaceText);
};

TEST_F(WorkspaceData, EachContextAndDataSectionHasItsOwnKeys) {
    auto workspace = OpenWorkspace();
    WorkspaceDataService data(*workspace);
    Address others[] = {kHere, kHere, kHere, kHere, kHere};
    others[0].workspace = u"Other";
    others[1].project = u"other";
    others[2].configuration = u"Release";
    others[3].device = u"TM32F200";
    others[4].section = u"{OTHER-COMPONENT}";
    ASSERT_EQ(data.WriteNumber(kHere, u"MapCtrlViews", 100), kStatusOk);
    for (int i = 0; i < 5; ++i) {
        int32_t value = -1;
        EXPECT_LT(data.ReadNumber(others[i], u"MapCtrlViews", &value), 0) << i;
        EXPECT_EQ(value, -1);
        ASSERT_EQ(data.WriteNumber(others[i], u"MapCtrlViews", i), kStatusOk);
    }
    WorkspaceDataService reread(*OpenWorkspace());
    for (int i = 0; i < 5; ++i) {
        int32_t value = -1;
        ASSERT_EQ(reread.ReadNumber(others[i], u"MapCtrlViews", &value), kStatusOk);
        EXPECT_EQ(value, i);
    }
    int32_t value = -1;
    ASSERT_EQ(reread.ReadNumber(kHere, u"MapCtrlViews", &value), kStatusOk);
    EXPECT_EQ(value, 100);
    EXPECT_EQ(ReadAll(path_), kWorkspaceText) << "the data has a file of its own";
}

TEST_F(WorkspaceData, NamesHoldingSeparatorsStayApart) {
    auto workspace = OpenWorkspace();
    // Pairs that a plain "|" join, or a "]" cutting the header short, would confuse.
    const Address addresses[] = {
        {u"A|B", u"C", u"Debug", u"D", u"S"},  {u"A", u"B|C", u"Debug", u"D", u"S"},
        {u"A", u"B", u"C|Debug", u"D", u"S"},  {u"A]", u"B", u"Debug", u"D", u"S"},
        {u"A", u"B", u"Debug", u"D]x[", u"S"}, {u"A%7CB", u"C", u"Debug", u"D", u"S"},
        {u" A", u"C", u"Debug", u"D", u"S"},   {u"A", u"C", u"Debug", u"D", u"S="},
    };
    {
        WorkspaceDataService data(*workspace);
        for (size_t i = 0; i < std::size(addresses); ++i) {
            ASSERT_EQ(data.WriteString(addresses[i], u"key|]=", WString(1, u'a' + i)), kStatusOk);
        }
    }
    WorkspaceDataService reread(*OpenWorkspace());
    ASSERT_TRUE(reread.LastError().empty()) << reread.LastError();
    for (size_t i = 0; i < std::size(addresses); ++i) {
        WString value;
        ASSERT_EQ(reread.ReadString(addresses[i], u"key|]=", &value), kStatusOk) << i;
        EXPECT_EQ(value, WString(1, u'a' + i)) << i;
    }
    EXPECT_NE(ReadAll(path_ + ".data").find("[A%7CB|C|Debug|D|S]\nkey%7C%5D%3D = \"a\"\n"),
              std::string::npos);
}

TEST(WorkspaceDataInMemory, KeepsDataWithoutWritingAFile) {
    TempDir dir;
    const std::string listing = dir.Write("only.map", "");
    auto workspace = Workspace::ForListing(listing);
    WorkspaceDataService data(*workspace);
    EXPECT_TRUE(data.Path().empty());
    const Address where{u"listing", u"", u"", u"", u"{MAP}"};
    ASSERT_EQ(data.WriteNumber(where, u"MapCtrlViews", 4), kStatusOk);
    int32_t views = 0;
    ASSERT_EQ(data.ReadNumber(where, u"MapCtrlViews", &views), kStatusOk);
    EXPECT_EQ(views, 4);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
}

TEST_F(WorkspaceData, ProjectInfoAnswersKeyPartsForTheOpenWorkspaceOnly) {
    auto workspace = OpenWorkspace();
    ProjectInfoService info(*workspace);
    WString part = u"untouched";
    ASSERT_EQ(info.GetFirstKeyPart(u"Demo", u"blinky", &part), kStatusOk);
    EXPECT_EQ(part, u"blinky");
    ASSERT_EQ(info.GetSecondKeyPart(u"Demo", u"blinky", u"TM32F100", &part), kStatusOk);
    EXPECT_EQ(part, u"TM32F100");
    part = u"untouched";
    EXPECT_LT(info.GetFirstKeyPart(u"Other", u"blinky", &part), 0);
    EXPECT_LT(info.GetFirstKeyPart(u"Demo", u"other", &part), 0);
    EXPECT_LT(info.GetSecondKeyPart(u"Demo", u"blinky", u"Debug", &part), 0);
    EXPECT_LT(info.GetSecondKeyPart(u"Demo", u"other", u"TM32F100", &part), 0);
    EXPECT_EQ(part, u"untouched");
    EXPECT_LT(info.GetFirstKeyPart(u"Demo", u"blinky", nullptr), 0);
}

TEST_F(WorkspaceData, SubstituteHostOffersEveryStoreAndService) {
    SubstituteHost host(OpenWorkspace(), {"/opt/tarn", {}, dir_ / "user"});
    IBraeHost* h = host.Host();
    auto* options = GetHostService<IBraeOptions>(h, kIdOptionsService);
    auto* profile = GetHostService<IBraeProfile>(h, kIdProfileService);
    auto* data = GetHostService<IBraeWorkspaceData>(h, kIdWorkspaceDataService);
    auto* info = GetHostService<IBraeProjectInfo>(h, kIdProjectInformationService);
    auto* errors = GetHostService<IBraeErrorService>(h, kIdErrorService);
    auto* registrar = GetHostService<IBraeRegistrar>(h, kIdIBraeRegistrar);
    ASSERT_TRUE(options && profile && data && info && errors && registrar);
    EXPECT_EQ(GetHostService<IBraeDockingFramework>(h, kIdDockingFrameworkService),
              static_cast<IBraeDockingFramework*>(&host.Docking()));
    ASSERT_EQ(options->SetNumber(u"TARN_MAP_FONT_SIZE", 11), kStatusOk);
    ASSERT_EQ(profile->WriteNumber(u"CTarnMapSectionListInstanceCtrl", u"ColWidth0", 90),
              kStatusOk);
    ASSERT_EQ(data->WriteNumber(kHere, u"MapCtrlViews", 0), kStatusOk);
    EXPECT_TRUE(fs::is_regular_file(dir_ / "user/options.ini"));
    EXPECT_TRUE(fs::is_regular_file(dir_ / "user/profile.ini"));
    EXPECT_TRUE(fs::is_regular_file(path_ + ".data"));

    EXPECT_EQ(errors->Report(3, -7), kStatusOk);
    EXPECT_EQ(host.Errors().Reports(), (std::vector<ErrorReport>{{3, -7}}));

    // Without a workspace the user's stores and value conversion stay, nothing of a workspace.
    SubstituteHost bare(nullptr, {"", {}, dir_ / "user"});
    EXPECT_EQ(GetHostService<IBraeWorkspaceData>(bare.Host(), kIdWorkspaceDataService), nullptr);
    EXPECT_EQ(GetHostService<IBraeLinkerSettings>(bare.Host(), kIdLinkerSettingService), nullptr);
    EXPECT_NE(GetHostService<IBraeValueConversion>(bare.Host(), kIdValueConversionService),
              nullptr);
    int32_t open = 1;
    ASSERT_EQ(GetHostService<IBraePlaceholders>(bare.Host(), kIdPlaceholderService)
                  ->IsWorkspaceOpen(&open),
              kStatusOk);
    EXPECT_EQ(open, 0);
    int32_t size = 0;
    auto* bareOptions = GetHostService<IBraeOptions>(bare.Host(), kIdOptionsService);
    ASSERT_NE(bareOptions, nullptr);
    ASSERT_EQ(bareOptions->GetNumber(u"TARN_MAP_FONT_SIZE", &size), kStatusOk);
    EXPECT_EQ(size, 11);
}

TEST(Registrar, RecordsRegistrationsAndRejectsAnEmptyName) {
    Registrar registrar;
    const TarnId map{{1, 2, 3}};
    const TarnId other{{9}};
    const std::vector<TarnId> ids{TarnId{{7}}};
    EXPECT_EQ(registrar.RegisterComponent(u"", 1, ids, 0, 1, 0, map), kStatusFail);
    EXPECT_TRUE(registrar.Registrations().empty());
    ASSERT_EQ(registrar.RegisterComponent(u"Map", 1, ids, 0, 1, 0, map), kStatusOk);
    ASSERT_EQ(registrar.RegisterComponent(u"Other", 0, {}, 2, 3, 4, other), kStatusOk);
    ASSERT_EQ(registrar.RegisterComponent(u"Map view", 1, ids, 0, 1, 0, map), kStatusOk);
    ASSERT_EQ(registrar.Registrations().size(), 2u);
    const ComponentRegistration* entry = registrar.Find(map);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->name, "Map view");
    EXPECT_EQ(entry->interfaces, ids);
    EXPECT_EQ(entry->interfaceCount, 1);
    EXPECT_EQ(entry->registrationWord2, 1);
    ASSERT_NE(registrar.Find(other), nullptr);
    EXPECT_EQ(registrar.Find(other)->registrationWord3, 4);
    EXPECT_EQ(registrar.Find(TarnId{}), nullptr);
}

}  // namespace
}  // namespace tarnhost
