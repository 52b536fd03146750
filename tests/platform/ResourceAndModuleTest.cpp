#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

#include "platform/graphics/Bitmap.h"
#include "platform/menus/Menu.h"
#include "platform/resources/ResourceContext.h"
#include "platform/system/Module.h"
#include "platform/system/Version.h"

namespace tarnui {
namespace {

int FunctionOfTheTestProgram() {
    return 1;
}

ResourceTable MakeTable(const std::string& text) {
    ResourceTable t;
    t.strings[100] = text;
    t.bitmaps[5] = {5, 2, 1, {0xFF0000FFu, 0xFF00FF00u}};
    t.accelerators[9] = {9, {{'F', kModControl, 32812}, {'F', kModNone, 1}}};
    t.dialogs[9011] = {9011, "Select Print", 10, 10, {}};
    return t;
}

TEST(ResourceContext, ScopedSwitchesNestAndRestoreThePreviousTable) {
    const ResourceTable outer = MakeTable("outer"), inner = MakeTable("inner");
    EXPECT_EQ(CurrentResourceTable(), nullptr);
    EXPECT_EQ(LoadString(100), "") << "no context: nothing found";
    {
        ScopedResourceContext a(&outer);
        EXPECT_EQ(LoadString(100), "outer");
        {
            ScopedResourceContext b(&inner);
            EXPECT_EQ(LoadString(100), "inner");
        }
        EXPECT_EQ(LoadString(100), "outer");
    }
    EXPECT_EQ(CurrentResourceTable(), nullptr);

    auto table = std::make_unique<ResourceTable>(MakeTable("gone"));
    auto lib = ResourceLibrary::FromTable(*table);
    SetCurrentResourceTable(&lib->Table());
    lib.reset();
    EXPECT_EQ(CurrentResourceTable(), nullptr) << "a table that goes away stops being current";
}

TEST(ResourceContext, LookupsAnswerFromTheCurrentTable) {
    const ResourceTable table = MakeTable("x");
    const std::unique_ptr<ResourceLibrary> lib = ResourceLibrary::FromTable(table, "builtin");
    ScopedResourceContext use(*lib);
    std::string s = "stale";
    EXPECT_FALSE(LoadString(101, s));
    EXPECT_EQ(s, "") << "an absent string comes back empty";
    ASSERT_NE(FindDialogTemplate(9011), nullptr);
    EXPECT_EQ(FindDialogTemplate(9011)->title, "Select Print");
    EXPECT_EQ(FindMenuTemplate(9011), nullptr);
    std::optional<Bitmap> bmp = LoadBitmap(5);
    ASSERT_TRUE(bmp.has_value());
    EXPECT_EQ(bmp->Pixel(1, 0), 0xFF00FF00u);
    ASSERT_NE(FindAcceleratorTable(9), nullptr);
    EXPECT_EQ(FindAcceleratorCommand(*FindAcceleratorTable(9), 'F', kModControl), 32812);
    EXPECT_EQ(FindAcceleratorCommand(*FindAcceleratorTable(9), 'F', kModShift), 0);
}

TEST(Modules, FileNamesOfTheLibraryAndTheProgram) {
    const std::string lib = ModuleFileNameOf(&TarnUiVersion);
    EXPECT_EQ(lib, PlatformModuleFileName());
    ASSERT_GE(lib.size(), 12u);
    EXPECT_EQ(lib.substr(lib.size() - 12), "libtarnui.so");
    EXPECT_EQ(lib.front(), '/');
    EXPECT_EQ(DirectoryOf(lib), TARN_BINARY_DIR);

    char exe[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", exe, sizeof exe - 1), 0);
    EXPECT_EQ(ModuleFileNameOf(&FunctionOfTheTestProgram), exe);
    EXPECT_EQ(ModuleFileNameOf(static_cast<const void*>(nullptr)), "");
}

TEST(Modules, LoadingAndExportsOfALibrary) {
    std::string error;
    std::unique_ptr<Module> m = Module::Load(PlatformModuleFileName(), &error);
    ASSERT_NE(m, nullptr) << error;
    auto version = m->GetFunction<const char* (*)()>("TarnUiVersion");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version, &TarnUiVersion) << "the library already loaded is the one found";
    EXPECT_STREQ(version(), "1.0");
    EXPECT_EQ(m->GetExport("NoSuchExport"), nullptr);

    EXPECT_EQ(Module::Load("/nonexistent/libnothing.so", &error), nullptr);
    EXPECT_NE(error.find("libnothing"), std::string::npos);
    EXPECT_EQ(ResourceLibrary::Load(PlatformModuleFileName(), &error), nullptr)
        << "a library without the table export is no resource library";
    EXPECT_NE(error.find(kResourceTableExport), std::string::npos);
}

TEST(Modules, PathHelpers) {
    EXPECT_EQ(DirectoryOf("/a/b/libTarnMap.so"), "/a/b");
    EXPECT_EQ(DirectoryOf("/libTarnMap.so"), "/");
    EXPECT_EQ(DirectoryOf("libTarnMap.so"), ".");
    EXPECT_EQ(ReplaceExtension("/a/b/libTarnMap.so", ".hlp"), "/a/b/libTarnMap.hlp");
    EXPECT_EQ(ReplaceExtension("/a.d/noext", ".hlp"), "/a.d/noext.hlp");
}

}  // namespace
}  // namespace tarnui
