// The resource library as the component's loader sees it: loaded with dlopen, its exports
// called by name, and its table checked for the structure the component relies on (dialogs
// with their controls, menus and toolbars with their commands, images of the right size) and
// for the texts users read.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/resources/ResourceTable.h"
#include "src/resources/ResourceExports.h"
#include "src/resources/ResourceIds.h"

namespace {

using tarnui::BitmapResource;
using tarnui::ControlKind;
using tarnui::DialogControlTemplate;
using tarnui::DialogTemplate;
using tarnui::MenuItemTemplate;

constexpr const char* kLibraryPath = TARN_BINARY_DIR "/libTarnMapExtRes.so";

// Loaded once and kept for the whole run, as the component keeps it.
void* Library() {
    static void* handle = dlopen(kLibraryPath, RTLD_NOW | RTLD_LOCAL);
    return handle;
}

template <typename Function>
Function Export(const char* name) {
    return reinterpret_cast<Function>(dlsym(Library(), name));
}

bool Opaque(uint32_t pixel) {
    return (pixel >> 24) != 0;
}

int OpaqueCount(const std::vector<uint32_t>& pixels) {
    return static_cast<int>(std::count_if(pixels.begin(), pixels.end(), Opaque));
}

class ResourceLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(Library(), nullptr) << "cannot load " << kLibraryPath << ": " << dlerror();
        const auto get = Export<tarnui::GetResourceTableFunction>(tarnui::kResourceTableExport);
        ASSERT_NE(get, nullptr);
        table_ = get();
        ASSERT_NE(table_, nullptr);
    }

    const DialogTemplate* Dialog(int id) const {
        const auto found = table_->dialogs.find(id);
        return found == table_->dialogs.end() ? nullptr : &found->second;
    }
    const BitmapResource* Bitmap(int id) const {
        const auto found = table_->bitmaps.find(id);
        return found == table_->bitmaps.end() ? nullptr : &found->second;
    }

    const tarnui::ResourceTable* table_ = nullptr;
};

TEST_F(ResourceLibraryTest, ExportsAnswerTheVersionsAndTypeTheLoaderAccepts) {
    const auto interfaceVersion =
        Export<tarnres::GetDLLInterfaceVersionFunction>("GetDLLInterfaceVersion");
    const auto productVersion =
        Export<tarnres::GetDLLProductVersionFunction>("GetDLLProductVersion");
    const auto ordinalVersion =
        Export<tarnres::GetDLLOrdinalVersionFunction>("GetDLLOrdinalVersion");
    const auto type = Export<tarnres::GetDLLTypeFunction>("GetDLLType");
    ASSERT_TRUE(interfaceVersion && productVersion && ordinalVersion && type);

    int major = -1;
    int minor = -1;
    interfaceVersion(&major, &minor);
    interfaceVersion(nullptr, nullptr);  // tolerated
    // The loader compares against the same constants, so both must hold the accepted values.
    EXPECT_EQ(major, 1);
    EXPECT_EQ(minor, 0);
    EXPECT_STREQ(productVersion(), "1.0");
    EXPECT_EQ(ordinalVersion(), 1);
    EXPECT_STREQ(type(), "Resource");
    EXPECT_EQ(tarnres::kInterfaceVersionMajor, major);
    EXPECT_EQ(tarnres::kInterfaceVersionMinor, minor);
    EXPECT_STREQ(tarnres::kProductVersion, productVersion());
    EXPECT_EQ(tarnres::kOrdinalVersion, ordinalVersion());
    EXPECT_STREQ(tarnres::kLibraryType, type());
    // Helpers are hidden: a loader cannot bind to anything but the entry points.
    EXPECT_EQ(dlsym(Library(), "_ZN7tarnres10AddStringsERN6tarnui13ResourceTableE"), nullptr);
}

// --- strings ----------------------------------------------------------------------------------

TEST_F(ResourceLibraryTest, QuotedTextsAreExact) {
    const std::pair<int, const char*> quoted[] = {
        {110, "Map"},
        {1001, "Tools"},
        {10002, "Start Address"},
        {32798, "Map Section Information"},
        {32799, "Map Symbol Information"},
        {32802, "Symbol is not found"},
        {32809, "Is the memory resource allocated?"},
        {32810, "Set the edited linker section information?"},
        {32834, "Text"},
        {32838, "Edit Selected Item"},
        // The messages of the section and address checks, all of which users see.
        {35000, "Success"},
        {35001, "Illegal parentheses"},
        {35002, "Overlay nests"},
        {35003, "Illegal section delimiter"},
        {35004, "The invalid character is used for a section name"},
        {35005,
         "Selection of a section is invalid.\nIt is necessary to choose one or more sections "
         "continuously."},
        {35006, "The overlay can not be specified"},
        {35007, "The overlay can not be specified to the partial section"},
        {35008, "Two or more addresses can not be specified"},
        {35009, "The end address can not be specified"},
        {35010, "The specified address is illegal"},
        {35011, "The start address is not specified"},
        {35012, "The end address is not specified"},
        {35013, "The start address must be lower than the end address"},
        {35014, "The specified address already exists"},
        {35015, "Address value is out of range"},
    };
    for (const auto& [id, text] : quoted) {
        const auto found = table_->strings.find(id);
        ASSERT_NE(found, table_->strings.end()) << "string " << id;
        EXPECT_EQ(found->second, text) << "string " << id;
    }
    // A missing export's message names the export and takes the library path as %1.
    for (const auto& [id, name] : {std::pair{7001, "GetDLLInterfaceVersion"},
                                   {7004, "GetDLLProductVersion"},
                                   {7005, "GetDLLOrdinalVersion"},
                                   {7003, "GetDLLType"}}) {
        const std::string text = table_->strings.count(id) ? table_->strings.at(id) : "";
        EXPECT_NE(text.find("%1"), std::string::npos) << id;
        EXPECT_NE(text.find(name), std::string::npos) << id;
    }
}

void CollectCommands(const std::vector<MenuItemTemplate>& items, std::set<int>& commands) {
    for (const MenuItemTemplate& item : items) {
        if (item.command != 0) {
            commands.insert(item.command);
        }
        CollectCommands(item.items, commands);
    }
}

TEST_F(ResourceLibraryTest, EveryCommandOnMenusAndToolbarsHasPromptAndTooltip) {
    std::set<int> commands;
    for (const auto& [id, menu] : table_->menus) {
        CollectCommands(menu.items, commands);
    }
    for (const auto& [id, toolbar] : table_->toolbars) {
        commands.insert(toolbar.commands.begin(), toolbar.commands.end());
    }
    commands.erase(0);
    ASSERT_FALSE(commands.empty());
    // The frame commands carry a prompt only; the others add a tooltip after "\n".
    const std::set<int> frameCommands{32768, 32769, 32794, 32795};
    for (int command : commands) {
        const auto found = table_->strings.find(command);
        ASSERT_NE(found, table_->strings.end()) << "command " << command;
        if (!frameCommands.count(command)) {
            const auto newline = found->second.find('\n');
            ASSERT_NE(newline, std::string::npos) << "command " << command;
            EXPECT_GT(newline, 0u) << "command " << command;
            EXPECT_LT(newline + 1, found->second.size()) << "command " << command;
        }
    }
}

// --- dialogs ----------------------------------------------------------------------------------

struct DialogExpectation {
    int id;
    const char* title;
    int width, height;  // 0 where free
};

constexpr DialogExpectation kDialogs[] = {
    {217, "Find Symbol", 0, 0},
    {9003, "Select Map Window Type", 0, 0},
    {9008, "Add Section Group", 187, 69},
    {9009, "Add Section", 187, 45},
    {9010, "Add Overlay Group", 187, 126},
    {9011, "Select Print", 0, 0},
    {9012, "Filter Symbol", 0, 0},
};

struct ControlExpectation {
    int dialog;
    ControlKind kind;
    int id;            // -1: a static without identifier, found by its text
    const char* text;  // null: not checked
};

constexpr ControlExpectation kControls[] = {
    {217, ControlKind::ComboBox, 218, nullptr},
    {217, ControlKind::CheckBox, 216, "&Match case"},
    {217, ControlKind::CheckBox, 217, "&Wild card "},
    {9003, ControlKind::Static, -1, "Map &Type:"},
    {9003, ControlKind::ComboBox, 9019, nullptr},
    {9008, ControlKind::Edit, 9020, nullptr},
    {9008, ControlKind::Edit, 9021, nullptr},
    {9009, ControlKind::Edit, 9022, nullptr},
    {9010, ControlKind::ListBox, 9023, nullptr},
    {9010, ControlKind::Edit, 9024, nullptr},
    {9011, ControlKind::ComboBox, 9035, nullptr},
    {9012, ControlKind::CheckBox, 9036, "&Enable Filter"},
    {9012, ControlKind::ComboBox, 9026, nullptr},
    {9012, ControlKind::Edit, 9032, nullptr},
    {9012, ControlKind::CheckListBox, 9027, nullptr},
    {9012, ControlKind::PushButton, 3, "&Set All"},
    {9012, ControlKind::PushButton, 4, "&Clear All"},
};

const DialogControlTemplate* FindControl(const DialogTemplate& dialog, int id,
                                         const char* text = nullptr) {
    for (const DialogControlTemplate& control : dialog.controls) {
        if (control.id == id && (id != -1 || (text != nullptr && control.text == text))) {
            return &control;
        }
    }
    return nullptr;
}

TEST_F(ResourceLibraryTest, DialogsHaveTheirTitlesSizesOkCancelAndControlsInsideTheirArea) {
    for (const DialogExpectation& expected : kDialogs) {
        SCOPED_TRACE(expected.id);
        const DialogTemplate* dialog = Dialog(expected.id);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->title, expected.title);
        if (expected.width != 0) {
            EXPECT_EQ(dialog->width, expected.width);
            EXPECT_EQ(dialog->height, expected.height);
        }
        const DialogControlTemplate* ok = FindControl(*dialog, 1);
        const DialogControlTemplate* cancel = FindControl(*dialog, 2);
        ASSERT_TRUE(ok && cancel);
        EXPECT_EQ(ok->kind, ControlKind::DefPushButton);
        EXPECT_EQ(ok->text, "OK");
        EXPECT_EQ(cancel->text, "Cancel");

        std::set<int> ids;
        for (const DialogControlTemplate& control : dialog->controls) {
            SCOPED_TRACE(control.id);
            EXPECT_TRUE(control.id == -1 || ids.insert(control.id).second) << "repeated";
            EXPECT_GT(control.width, 0);
            EXPECT_GT(control.height, 0);
            EXPECT_GE(control.x, 0);
            EXPECT_GE(control.y, 0);
            EXPECT_LE(control.x + control.width, dialog->width);
            // A combo box's height includes its drop-down part, which may leave the dialog.
            if (control.kind != ControlKind::ComboBox) {
                EXPECT_LE(control.y + control.height, dialog->height);
            }
        }
    }
}

TEST_F(ResourceLibraryTest, DialogsHoldTheirNamedControlsWithTheStylesTheirUseNeeds) {
    for (const ControlExpectation& expected : kControls) {
        SCOPED_TRACE(testing::Message() << expected.dialog << "/" << expected.id);
        const DialogTemplate* dialog = Dialog(expected.dialog);
        ASSERT_NE(dialog, nullptr);
        const DialogControlTemplate* control = FindControl(*dialog, expected.id, expected.text);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->kind, expected.kind);
        if (expected.text != nullptr) {
            EXPECT_EQ(control->text, expected.text);
        }
    }
    auto style = [&](int dialog, int id) { return FindControl(*Dialog(dialog), id)->style; };
    // The find name box takes typed text; the other combo boxes only offer a choice.
    EXPECT_EQ(style(217, 218) & tarnui::kStyleDropDownList, 0u);
    for (const auto& [dialog, id] : {std::pair{9003, 9019}, {9011, 9035}, {9012, 9026}}) {
        EXPECT_NE(style(dialog, id) & tarnui::kStyleDropDownList, 0u) << id;
    }
    // The overlay group dialog chooses a run of several sections.
    EXPECT_NE(style(9010, 9023) & tarnui::kStyleMultiSelect, 0u);
    // The filter dialog opens on the check list page.
    EXPECT_NE(style(9012, 9032) & tarnui::kStyleHidden, 0u);
    EXPECT_EQ(style(9012, 9027) & tarnui::kStyleHidden, 0u);
}

// --- menus, toolbars, accelerators ------------------------------------------------------------

const MenuItemTemplate* FindMenuItem(const std::vector<MenuItemTemplate>& items, int command) {
    for (const MenuItemTemplate& item : items) {
        if (item.command == command) {
            return &item;
        }
        if (const MenuItemTemplate* inner = FindMenuItem(item.items, command)) {
            return inner;
        }
    }
    return nullptr;
}

TEST_F(ResourceLibraryTest, MenusHoldTheirNamedCommands) {
    const std::pair<int, std::vector<int>> expected[] = {
        {201, {32770}},
        {9006,
         {32812, 32813, 32814, 32815, 32816, 32817, 32818, 32819, 32820, 32822, 32821, 32823, 32796,
          32797, 32831, 32825, 32829, 32852}},
        {tarnres::kMenuSectionList, {32825, 32829, 32852, 32830, 32768, 32769, 32794}},
        {tarnres::kMenuSymbolList, {32826, 32827, 32828, 32852, 32824, 32768, 32769, 32794}},
        {tarnres::kMenuSectionTree, {32826, 32827, 32828, 32852, 32832, 32768, 32769, 32794}},
    };
    for (const auto& [menu, commands] : expected) {
        ASSERT_EQ(table_->menus.count(menu), 1u) << menu;
        for (int command : commands) {
            EXPECT_NE(FindMenuItem(table_->menus.at(menu).items, command), nullptr)
                << "menu " << menu << " command " << command;
        }
    }
    EXPECT_EQ(table_->menus.at(9006).items.size(), 1u) << "a popup menu has one top-level entry";
    EXPECT_EQ(FindMenuItem(table_->menus.at(201).items, 32770)->text, "Ma&p...");
    EXPECT_EQ(FindMenuItem(table_->menus.at(9006).items, 32797)->text,
              "Memory &Resource Auto Allocate");
}

std::vector<int> Buttons(const tarnui::ToolbarTemplate& toolbar) {
    std::vector<int> buttons;
    std::copy_if(toolbar.commands.begin(), toolbar.commands.end(), std::back_inserter(buttons),
                 [](int command) { return command != 0; });
    return buttons;
}

TEST_F(ResourceLibraryTest, ToolbarsHoldTheirCommandsWithOneDistinctVisibleImageEach) {
    const std::pair<int, std::vector<int>> expected[] = {
        {203, {32770}},
        {9008, {32825, 32829, 32852, 32830}},
        {9009, {32826, 32827, 32828, 32852, 32824}},
        {9007, {32826, 32827, 32828, 32852, 32832}},
    };
    for (const auto& [id, commands] : expected) {
        ASSERT_EQ(table_->toolbars.count(id), 1u) << "toolbar " << id;
        std::vector<int> buttons = Buttons(table_->toolbars.at(id));
        std::vector<int> wanted = commands;
        std::sort(buttons.begin(), buttons.end());
        std::sort(wanted.begin(), wanted.end());
        EXPECT_EQ(buttons, wanted) << "toolbar " << id;
    }
    for (const auto& [id, toolbar] : table_->toolbars) {
        SCOPED_TRACE(id);
        const BitmapResource* strip = Bitmap(toolbar.bitmap);
        ASSERT_NE(strip, nullptr);
        const std::size_t buttons = Buttons(toolbar).size();
        ASSERT_EQ(strip->width, static_cast<int>(buttons) * toolbar.buttonWidth);
        ASSERT_EQ(strip->height, toolbar.buttonHeight);
        ASSERT_EQ(strip->pixels.size(), static_cast<std::size_t>(strip->width * strip->height));
        std::set<std::vector<uint32_t>> distinct;
        for (std::size_t button = 0; button < buttons; ++button) {
            std::vector<uint32_t> image;
            for (int y = 0; y < strip->height; ++y) {
                const auto row = strip->pixels.begin() + y * strip->width +
                                 static_cast<int>(button) * toolbar.buttonWidth;
                image.insert(image.end(), row, row + toolbar.buttonWidth);
            }
            EXPECT_GT(OpaqueCount(image), 20) << "button " << button;
            distinct.insert(image);
        }
        EXPECT_EQ(distinct.size(), buttons);
    }
}

TEST_F(ResourceLibraryTest, AcceleratorsMoveSectionsWithControlArrows) {
    ASSERT_EQ(table_->accelerators.count(9000), 1u);
    std::set<std::pair<uint32_t, uint8_t>> keys;
    int found = 0;
    for (const tarnui::AcceleratorTemplate& entry : table_->accelerators.at(9000).entries) {
        EXPECT_TRUE(keys.insert({entry.key, entry.modifiers}).second) << "key " << entry.key;
        if (entry.modifiers == tarnui::kModControl &&
            ((entry.key == tarnui::kKeyUp && entry.command == 32822) ||
             (entry.key == tarnui::kKeyDown && entry.command == 32821))) {
            ++found;
        }
    }
    EXPECT_EQ(found, 2);
}

// --- bitmaps and cursor -----------------------------------------------------------------------

TEST_F(ResourceLibraryTest, SortArrowsAreBlackNineByFiveTrianglesPointingTheirWay) {
    const BitmapResource* up = Bitmap(9020);
    const BitmapResource* down = Bitmap(20530);
    ASSERT_TRUE(up && down);
    auto row = [](const BitmapResource* arrow, int y) {
        return OpaqueCount({arrow->pixels.begin() + y * 9, arrow->pixels.begin() + (y + 1) * 9});
    };
    for (const BitmapResource* arrow : {up, down}) {
        ASSERT_EQ(arrow->width, 9);
        ASSERT_EQ(arrow->height, 5);
        ASSERT_EQ(arrow->pixels.size(), 45u);
        for (uint32_t pixel : arrow->pixels) {
            // Drawn in black, which the header maps to its grey text colour.
            EXPECT_TRUE(!Opaque(pixel) || pixel == 0xFF000000u) << std::hex << pixel;
        }
    }
    EXPECT_EQ(row(up, 0), 1);  // point on top
    EXPECT_EQ(row(up, 4), 9);
    EXPECT_EQ(row(down, 0), 9);
    EXPECT_EQ(row(down, 4), 1);
}

TEST_F(ResourceLibraryTest, TreeImagesAreDistinctSixteenPixelPictures) {
    const int ids[] = {1024, 2009, 20524, 9007, 20528, 20529, 20527, 20526};
    std::set<std::vector<uint32_t>> distinct;
    for (int id : ids) {
        SCOPED_TRACE(id);
        const BitmapResource* bitmap = Bitmap(id);
        ASSERT_NE(bitmap, nullptr);
        ASSERT_EQ(bitmap->width, 16);
        ASSERT_EQ(bitmap->height, 16);
        ASSERT_EQ(bitmap->pixels.size(), 256u);
        EXPECT_GT(OpaqueCount(bitmap->pixels), 30);
        EXPECT_LT(OpaqueCount(bitmap->pixels), 256) << "no transparent background";
        // Pure cyan is the image list's mask colour: a drawn pixel of it would vanish.
        for (uint32_t pixel : bitmap->pixels) {
            EXPECT_FALSE(Opaque(pixel) && (pixel & 0xFFFFFFu) == 0x00FFFFu);
        }
        distinct.insert(bitmap->pixels);
    }
    EXPECT_EQ(distinct.size(), std::size(ids));
}

TEST_F(ResourceLibraryTest, NoDropCursorIsVisibleAroundAHotSpotInside) {
    ASSERT_EQ(table_->cursors.count(106), 1u);
    const tarnui::CursorResource& cursor = table_->cursors.at(106);
    ASSERT_GT(cursor.width, 0);
    ASSERT_EQ(cursor.pixels.size(), static_cast<std::size_t>(cursor.width * cursor.height));
    EXPECT_TRUE(cursor.hotX >= 0 && cursor.hotX < cursor.width);
    EXPECT_TRUE(cursor.hotY >= 0 && cursor.hotY < cursor.height);
    EXPECT_FALSE(Opaque(cursor.pixels.front()));  // clear corners
    EXPECT_FALSE(Opaque(cursor.pixels.back()));
    EXPECT_GT(OpaqueCount(cursor.pixels), 2 * cursor.width);
}

}  // namespace
