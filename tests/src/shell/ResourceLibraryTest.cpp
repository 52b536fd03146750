// The resource library as the component's loader sees it: loaded with dlopen, its exports
// called by name, and its table searched for every string, dialog, menu, toolbar, accelerator,
// bitmap and cursor the component asks for.
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

using tarnui::ControlKind;
using tarnui::DialogControlTemplate;
using tarnui::DialogTemplate;
using tarnui::MenuItemTemplate;
using tarnui::ResourceTable;

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

const ResourceTable* Table() {
    const auto get = Export<tarnui::GetResourceTableFunction>(tarnui::kResourceTableExport);
    return get == nullptr ? nullptr : get();
}

class ResourceLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(Library(), nullptr) << "cannot load " << kLibraryPath << ": " << dlerror();
        table_ = Table();
        ASSERT_NE(table_, nullptr);
    }

    const DialogTemplate* Dialog(int id) const {
        const auto found = table_->dialogs.find(id);
        return found == table_->dialogs.end() ? nullptr : &found->second;
    }

    const ResourceTable* table_ = nullptr;
};

// --- exports ----------------------------------------------------------------------------------

TEST_F(ResourceLibraryTest, ExportsAnswerTheVersionsAndTypeTheLoaderAccepts) {
    const auto interfaceVersion =
        Export<tarnres::GetDLLInterfaceVersionFunction>("GetDLLInterfaceVersion");
    const auto productVersion =
        Export<tarnres::GetDLLProductVersionFunction>("GetDLLProductVersion");
    const auto ordinalVersion =
        Export<tarnres::GetDLLOrdinalVersionFunction>("GetDLLOrdinalVersion");
    const auto type = Export<tarnres::GetDLLTypeFunction>("GetDLLType");
    ASSERT_NE(interfaceVersion, nullptr);
    ASSERT_NE(productVersion, nullptr);
    ASSERT_NE(ordinalVersion, nullptr);
    ASSERT_NE(type, nullptr);

    int major = -1;
    int minor = -1;
    interfaceVersion(&major, &minor);
    EXPECT_EQ(major, 1);
    EXPECT_EQ(minor, 0);
    interfaceVersion(nullptr, nullptr);  // tolerated
    EXPECT_STREQ(productVersion(), "1.0");
    EXPECT_EQ(ordinalVersion(), 1);
    EXPECT_STREQ(type(), "Resource");

    // The values a loader compares against are the ones the library answers.
    EXPECT_EQ(tarnres::kInterfaceVersionMajor, major);
    EXPECT_EQ(tarnres::kInterfaceVersionMinor, minor);
    EXPECT_STREQ(tarnres::kProductVersion, productVersion());
    EXPECT_EQ(tarnres::kOrdinalVersion, ordinalVersion());
    EXPECT_STREQ(tarnres::kLibraryType, type());
    for (const char* name : {tarnres::kExportInterfaceVersion, tarnres::kExportProductVersion,
                             tarnres::kExportOrdinalVersion, tarnres::kExportType}) {
        EXPECT_NE(dlsym(Library(), name), nullptr) << name;
    }
}

TEST_F(ResourceLibraryTest, HandsOutTheSameTableOnEveryCall) {
    EXPECT_EQ(Table(), table_);
}

TEST_F(ResourceLibraryTest, ExportsNothingButItsEntryPoints) {
    // Helpers are hidden: a loader cannot bind to anything but the five entry points.
    for (const char* name : {"_ZN7tarnres10AddStringsERN6tarnui13ResourceTableE",
                             "_ZN7tarnres10AddDialogsERN6tarnui13ResourceTableE"}) {
        EXPECT_EQ(dlsym(Library(), name), nullptr) << name;
    }
}

// --- strings ----------------------------------------------------------------------------------

struct QuotedString {
    int id;
    const char* text;
};

// Every string number the component quotes, with its text.
constexpr QuotedString kQuotedStrings[] = {
    {110, "Map"},
    {1001, "Tools"},
    {10001, "Name"},
    {10002, "Start Address"},
    {10003, "End Address"},
    {10004, "Size"},
    {10005, "Overlay"},
    {10006, "Attribute"},
    {10007, "Scope"},
    {10008, "Section"},
    {10009, "File"},
    {32768, "Allow window docking"},
    {32769, "Hide window"},
    {39532, "Allow window docking"},
    {39533, "Hide window"},
    {32770, "Open map window\nMap..."},
    {32789, "Map"},
    {32794, "Display toolbar"},
    {32795, "Open customize toolbar dialog"},
    {32798, "Map Section Information"},
    {32799, "Map Symbol Information"},
    {32800, "Linker section setting"},
    {32801, "Link map list"},
    {32802, "Symbol is not found"},
    {32803, "Please enter a symbol name"},
    {32805, "Search has reached the end of symbols"},
    {32808, "The allocation of the memory resource was completed"},
    {32809, "Is the memory resource allocated?"},
    {32810, "Set the edited linker section information?"},
    {32833, "Print the select Information\nPrint..."},
    {32834, "Text"},
    {32838, "Edit Selected Item"},
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

TEST_F(ResourceLibraryTest, QuotedStringsHaveTheirExactTexts) {
    for (const auto& [id, text] : kQuotedStrings) {
        const auto found = table_->strings.find(id);
        ASSERT_NE(found, table_->strings.end()) << "string " << id;
        EXPECT_EQ(found->second, text) << "string " << id;
    }
    for (int error = 0; error < tarnres::kSectionErrorCount; ++error) {
        EXPECT_EQ(table_->strings.count(tarnres::SectionErrorString(error)), 1u) << error;
    }
}

TEST_F(ResourceLibraryTest, LibraryCheckMessagesAreThereUnderTheirNames) {
    const std::pair<int, const char*> literal[] = {
        {tarnres::kStrModuleNameMissing,
         "Cannot obtain module. File name missing.\nPlease read User Guide to create/install a "
         "new version."},
        {tarnres::kStrApplicationWillExit, "Application will now exit."},
        {tarnres::kStrErrorLoadingLibrary, "Error loading resource DLL %1"},
        {tarnres::kStrNotResourceLibrary, "Dll %s is not a resources Dll"},
        {tarnres::kStrIncorrectVersion, "Incorrect version of Resources - exiting"},
    };
    for (const auto& [id, text] : literal) {
        ASSERT_EQ(table_->strings.count(id), 1u) << id;
        EXPECT_EQ(table_->strings.at(id), text) << id;
    }
    // A missing export: 7001, 7004, 7005, 7003 in the order the exports are queried; each
    // names its export and takes the library path as %1.
    const std::pair<int, const char*> missing[] = {
        {7001, "GetDLLInterfaceVersion"},
        {7004, "GetDLLProductVersion"},
        {7005, "GetDLLOrdinalVersion"},
        {7003, "GetDLLType"},
    };
    for (const auto& [id, exportName] : missing) {
        ASSERT_EQ(table_->strings.count(id), 1u) << id;
        const std::string& text = table_->strings.at(id);
        EXPECT_NE(text.find("%1"), std::string::npos) << id;
        EXPECT_NE(text.find(exportName), std::string::npos) << id;
    }
}

TEST_F(ResourceLibraryTest, QuestionsOfTheSettingTreeHaveTexts) {
    for (int id : {32811, 32836, 32837}) {
        const auto found = table_->strings.find(id);
        ASSERT_NE(found, table_->strings.end()) << id;
        EXPECT_GT(found->second.size(), 20u) << id;
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
        for (int command : toolbar.commands) {
            if (command != 0) {
                commands.insert(command);
            }
        }
    }
    ASSERT_FALSE(commands.empty());
    for (int command : commands) {
        const auto found = table_->strings.find(command);
        ASSERT_NE(found, table_->strings.end()) << "command " << command;
        const std::string& text = found->second;
        // A tooltip after "\n" for toolbar buttons; the frame commands carry a prompt only.
        const bool frameCommand =
            command == 32768 || command == 32769 || command == 32794 || command == 32795;
        if (!frameCommand) {
            const auto newline = text.find('\n');
            ASSERT_NE(newline, std::string::npos) << "command " << command;
            EXPECT_GT(newline, 0u) << "command " << command;
            EXPECT_LT(newline + 1, text.size()) << "command " << command;
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
    int id;                   // -1: a static without identifier, found by its text
    const char* text;         // null: not checked
    int x, y, width, height;  // width 0: position free
};

constexpr ControlExpectation kControls[] = {
    {217, ControlKind::ComboBox, 218, nullptr, 0, 0, 0, 0},
    {217, ControlKind::CheckBox, 216, "&Match case", 0, 0, 0, 0},
    {217, ControlKind::CheckBox, 217, "&Wild card ", 0, 0, 0, 0},
    {9003, ControlKind::Static, -1, "Map &Type:", 0, 0, 0, 0},
    {9003, ControlKind::ComboBox, 9019, nullptr, 0, 0, 0, 0},
    {9008, ControlKind::Static, 9037, "Section Start &Address:", 0, 0, 0, 0},
    {9008, ControlKind::Edit, 9020, nullptr, 7, 18, 112, 14},
    {9008, ControlKind::Static, 9038, "Section Group &Name:", 0, 0, 0, 0},
    {9008, ControlKind::Edit, 9021, nullptr, 7, 48, 112, 14},
    {9009, ControlKind::Static, 9036, "Section &Name:", 0, 0, 0, 0},
    {9009, ControlKind::Edit, 9022, nullptr, 7, 18, 112, 14},
    {9010, ControlKind::Static, -1, "Section &List:", 0, 0, 0, 0},
    {9010, ControlKind::ListBox, 9023, nullptr, 7, 18, 111, 72},
    {9010, ControlKind::Static, -1, "Overlay Group &Name:", 0, 0, 0, 0},
    {9010, ControlKind::Edit, 9024, nullptr, 7, 104, 112, 14},
    {9011, ControlKind::Static, -1, "Window &Type:", 0, 0, 0, 0},
    {9011, ControlKind::ComboBox, 9035, nullptr, 0, 0, 0, 0},
    {9012, ControlKind::CheckBox, 9036, "&Enable Filter", 0, 0, 0, 0},
    {9012, ControlKind::Static, 9029, "&Filter Column:", 0, 0, 0, 0},
    {9012, ControlKind::ComboBox, 9026, nullptr, 0, 0, 0, 0},
    {9012, ControlKind::Static, 9030, "Filter &Item:", 0, 0, 0, 0},
    {9012, ControlKind::Edit, 9032, nullptr, 0, 0, 0, 0},
    {9012, ControlKind::GroupBox, 9033, "Filter &Item:", 0, 0, 0, 0},
    {9012, ControlKind::CheckListBox, 9027, nullptr, 0, 0, 0, 0},
    {9012, ControlKind::PushButton, 3, "&Set All", 0, 0, 0, 0},
    {9012, ControlKind::PushButton, 4, "&Clear All", 0, 0, 0, 0},
};

const DialogControlTemplate* FindControl(const DialogTemplate& dialog, int id, const char* text) {
    for (const DialogControlTemplate& control : dialog.controls) {
        if (control.id == id && (id != -1 || (text != nullptr && control.text == text))) {
            return &control;
        }
    }
    return nullptr;
}

TEST_F(ResourceLibraryTest, DialogsHaveTheirTitlesAndSizes) {
    for (const DialogExpectation& expected : kDialogs) {
        const DialogTemplate* dialog = Dialog(expected.id);
        ASSERT_NE(dialog, nullptr) << "dialog " << expected.id;
        EXPECT_EQ(dialog->id, expected.id);
        EXPECT_EQ(dialog->title, expected.title) << "dialog " << expected.id;
        if (expected.width != 0) {
            EXPECT_EQ(dialog->width, expected.width) << "dialog " << expected.id;
            EXPECT_EQ(dialog->height, expected.height) << "dialog " << expected.id;
        }
    }
}

TEST_F(ResourceLibraryTest, DialogsHoldTheirNamedControls) {
    for (const ControlExpectation& expected : kControls) {
        const DialogTemplate* dialog = Dialog(expected.dialog);
        ASSERT_NE(dialog, nullptr) << "dialog " << expected.dialog;
        const DialogControlTemplate* control = FindControl(*dialog, expected.id, expected.text);
        ASSERT_NE(control, nullptr) << "dialog " << expected.dialog << " control " << expected.id
                                    << (expected.text ? expected.text : "");
        EXPECT_EQ(control->kind, expected.kind) << "control " << expected.id;
        if (expected.text != nullptr) {
            EXPECT_EQ(control->text, expected.text) << "control " << expected.id;
        }
        if (expected.width != 0) {
            EXPECT_EQ(control->x, expected.x) << "control " << expected.id;
            EXPECT_EQ(control->y, expected.y) << "control " << expected.id;
            EXPECT_EQ(control->width, expected.width) << "control " << expected.id;
            EXPECT_EQ(control->height, expected.height) << "control " << expected.id;
        }
    }
}

TEST_F(ResourceLibraryTest, EveryDialogHasOkAndCancelAndUniqueControlsInsideItsArea) {
    for (const DialogExpectation& expected : kDialogs) {
        const DialogTemplate* dialog = Dialog(expected.id);
        ASSERT_NE(dialog, nullptr) << "dialog " << expected.id;
        const DialogControlTemplate* ok = FindControl(*dialog, 1, nullptr);
        const DialogControlTemplate* cancel = FindControl(*dialog, 2, nullptr);
        ASSERT_NE(ok, nullptr) << "dialog " << expected.id;
        ASSERT_NE(cancel, nullptr) << "dialog " << expected.id;
        EXPECT_EQ(ok->kind, ControlKind::DefPushButton);
        EXPECT_EQ(ok->text, "OK");
        EXPECT_EQ(cancel->kind, ControlKind::PushButton);
        EXPECT_EQ(cancel->text, "Cancel");

        std::set<int> ids;
        for (const DialogControlTemplate& control : dialog->controls) {
            if (control.id != -1) {
                EXPECT_TRUE(ids.insert(control.id).second)
                    << "dialog " << expected.id << " repeats control " << control.id;
            }
            EXPECT_GT(control.width, 0) << "dialog " << expected.id << " control " << control.id;
            EXPECT_GT(control.height, 0) << "dialog " << expected.id << " control " << control.id;
            EXPECT_GE(control.x, 0);
            EXPECT_GE(control.y, 0);
            EXPECT_LE(control.x + control.width, dialog->width)
                << "dialog " << expected.id << " control " << control.id << " " << control.text;
            // A combo box's height includes its drop-down part, which may leave the dialog.
            if (control.kind != ControlKind::ComboBox) {
                EXPECT_LE(control.y + control.height, dialog->height)
                    << "dialog " << expected.id << " control " << control.id << " " << control.text;
            }
        }
    }
}

TEST_F(ResourceLibraryTest, DialogControlsHaveTheStylesTheirUseNeeds) {
    // The find name box takes typed text; the other combo boxes only offer a choice.
    EXPECT_EQ(FindControl(*Dialog(217), 218, nullptr)->style & tarnui::kStyleDropDownList, 0u);
    for (const auto& [dialog, id] : {std::pair{9003, 9019}, {9011, 9035}, {9012, 9026}}) {
        EXPECT_NE(FindControl(*Dialog(dialog), id, nullptr)->style & tarnui::kStyleDropDownList, 0u)
            << id;
    }
    // The overlay group dialog chooses a run of several sections.
    EXPECT_NE(FindControl(*Dialog(9010), 9023, nullptr)->style & tarnui::kStyleMultiSelect, 0u);
    // The filter dialog opens on the check list page.
    EXPECT_NE(FindControl(*Dialog(9012), 9032, nullptr)->style & tarnui::kStyleHidden, 0u);
    EXPECT_EQ(FindControl(*Dialog(9012), 9027, nullptr)->style & tarnui::kStyleHidden, 0u);
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

TEST_F(ResourceLibraryTest, ToolsMenuOpensMap) {
    ASSERT_EQ(table_->menus.count(201), 1u);
    const MenuItemTemplate* item = FindMenuItem(table_->menus.at(201).items, 32770);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text, "Ma&p...");
}

TEST_F(ResourceLibraryTest, SectionSettingMenuHoldsEveryEditCommand) {
    const std::pair<int, const char*> expected[] = {
        {32812, "Section &Edit Mode"},
        {32813, "Add Section &Group..."},
        {32814, "Add &Section..."},
        {32815, "Add &Overlay Group..."},
        {32816, "Edit Selected &Item..."},
        {32817, "Cu&t"},
        {32818, "&Copy"},
        {32819, "P&aste"},
        {32820, "De&lete"},
        {32822, "Move &Up"},
        {32821, "Move Do&wn"},
        {32823, "Change Primar&y Section"},
        {32796, "Memory &Map Setting..."},
        {32797, "Memory &Resource Auto Allocate"},
        {32831, "&Print..."},
        {32825, "Show Unallocated Area"},
        {32829, "Show No Size Section"},
        {32852, "View Source"},
    };
    ASSERT_EQ(table_->menus.count(9006), 1u);
    const auto& items = table_->menus.at(9006).items;
    ASSERT_EQ(items.size(), 1u) << "a popup menu has one top-level entry";
    for (const auto& [command, text] : expected) {
        const MenuItemTemplate* item = FindMenuItem(items, command);
        ASSERT_NE(item, nullptr) << command;
        EXPECT_EQ(item->text, text) << command;
    }
}

TEST_F(ResourceLibraryTest, ViewMenusHoldTheViewsCommands) {
    const std::pair<int, std::vector<int>> expected[] = {
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
}

std::vector<int> Buttons(const tarnui::ToolbarTemplate& toolbar) {
    std::vector<int> buttons;
    std::copy_if(toolbar.commands.begin(), toolbar.commands.end(), std::back_inserter(buttons),
                 [](int command) { return command != 0; });
    return buttons;
}

TEST_F(ResourceLibraryTest, ToolbarsHoldTheirViewsCommands) {
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
}

TEST_F(ResourceLibraryTest, ToolbarImagesHoldOneVisibleImagePerButton) {
    for (const auto& [id, toolbar] : table_->toolbars) {
        ASSERT_EQ(table_->bitmaps.count(toolbar.bitmap), 1u) << "toolbar " << id;
        const tarnui::BitmapResource& strip = table_->bitmaps.at(toolbar.bitmap);
        const std::vector<int> buttons = Buttons(toolbar);
        ASSERT_EQ(strip.width, static_cast<int>(buttons.size()) * toolbar.buttonWidth);
        ASSERT_EQ(strip.height, toolbar.buttonHeight);
        ASSERT_EQ(strip.pixels.size(), static_cast<std::size_t>(strip.width * strip.height));
        std::set<std::vector<uint32_t>> distinctImages;
        for (std::size_t button = 0; button < buttons.size(); ++button) {
            std::vector<uint32_t> image;
            for (int y = 0; y < strip.height; ++y) {
                for (int x = 0; x < toolbar.buttonWidth; ++x) {
                    image.push_back(strip.pixels[static_cast<std::size_t>(
                        y * strip.width + static_cast<int>(button) * toolbar.buttonWidth + x)]);
                }
            }
            const auto opaque = std::count_if(image.begin(), image.end(),
                                              [](uint32_t pixel) { return (pixel >> 24) != 0; });
            EXPECT_GT(opaque, 20) << "toolbar " << id << " button " << button;
            distinctImages.insert(image);
        }
        // Different commands of one toolbar look different.
        EXPECT_EQ(distinctImages.size(), buttons.size()) << "toolbar " << id;
    }
}

TEST_F(ResourceLibraryTest, AcceleratorsMoveSectionsWithControlArrows) {
    ASSERT_EQ(table_->accelerators.count(9000), 1u);
    const auto& entries = table_->accelerators.at(9000).entries;
    auto commandOf = [&](uint32_t key, uint8_t modifiers) {
        for (const tarnui::AcceleratorTemplate& entry : entries) {
            if (entry.key == key && entry.modifiers == modifiers) {
                return entry.command;
            }
        }
        return 0;
    };
    EXPECT_EQ(commandOf(tarnui::kKeyUp, tarnui::kModControl), 32822);
    EXPECT_EQ(commandOf(tarnui::kKeyDown, tarnui::kModControl), 32821);
    std::set<std::pair<uint32_t, uint8_t>> keys;
    for (const tarnui::AcceleratorTemplate& entry : entries) {
        EXPECT_TRUE(keys.insert({entry.key, entry.modifiers}).second) << "key " << entry.key;
    }
}

// --- bitmaps and cursor -----------------------------------------------------------------------

bool Opaque(uint32_t pixel) {
    return (pixel >> 24) != 0;
}

int OpaqueInRow(const tarnui::BitmapResource& bitmap, int row) {
    return static_cast<int>(std::count_if(bitmap.pixels.begin() + row * bitmap.width,
                                          bitmap.pixels.begin() + (row + 1) * bitmap.width,
                                          Opaque));
}

TEST_F(ResourceLibraryTest, SortArrowsAreBlackTrianglesOfNineByFive) {
    ASSERT_EQ(table_->bitmaps.count(9020), 1u);
    ASSERT_EQ(table_->bitmaps.count(20530), 1u);
    const tarnui::BitmapResource& up = table_->bitmaps.at(9020);
    const tarnui::BitmapResource& down = table_->bitmaps.at(20530);
    for (const tarnui::BitmapResource* arrow : {&up, &down}) {
        ASSERT_EQ(arrow->width, 9);
        ASSERT_EQ(arrow->height, 5);
        ASSERT_EQ(arrow->pixels.size(), 45u);
        for (uint32_t pixel : arrow->pixels) {
            // Drawn in black, which the header maps to its grey text colour.
            EXPECT_TRUE(!Opaque(pixel) || pixel == 0xFF000000u) << std::hex << pixel;
        }
    }
    EXPECT_EQ(OpaqueInRow(up, 0), 1);  // point on top
    EXPECT_EQ(OpaqueInRow(up, 4), 9);
    EXPECT_EQ(OpaqueInRow(down, 0), 9);
    EXPECT_EQ(OpaqueInRow(down, 4), 1);  // point at the bottom
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(OpaqueInRow(up, row), OpaqueInRow(down, 4 - row)) << row;
    }
}

TEST_F(ResourceLibraryTest, TreeImagesAreDistinctSixteenPixelPictures) {
    const int ids[] = {1024, 2009, 20524, 9007, 20528, 20529, 20527, 20526};
    std::set<std::vector<uint32_t>> distinct;
    for (int id : ids) {
        ASSERT_EQ(table_->bitmaps.count(id), 1u) << "bitmap " << id;
        const tarnui::BitmapResource& bitmap = table_->bitmaps.at(id);
        EXPECT_EQ(bitmap.id, id);
        ASSERT_EQ(bitmap.width, 16) << id;
        ASSERT_EQ(bitmap.height, 16) << id;
        ASSERT_EQ(bitmap.pixels.size(), 256u) << id;
        const auto opaque = std::count_if(bitmap.pixels.begin(), bitmap.pixels.end(), Opaque);
        EXPECT_GT(opaque, 30) << id;
        EXPECT_LT(opaque, 256) << id << " has no transparent background";
        for (uint32_t pixel : bitmap.pixels) {
            // Pure cyan is the image list's mask colour: a drawn pixel of it would vanish.
            if (Opaque(pixel)) {
                EXPECT_NE(pixel & 0xFFFFFFu, 0x00FFFFu) << id;
            }
        }
        distinct.insert(bitmap.pixels);
    }
    EXPECT_EQ(distinct.size(), std::size(ids));
}

TEST_F(ResourceLibraryTest, NoDropCursorIsARingAroundItsHotSpot) {
    ASSERT_EQ(table_->cursors.count(106), 1u);
    const tarnui::CursorResource& cursor = table_->cursors.at(106);
    ASSERT_GT(cursor.width, 0);
    ASSERT_GT(cursor.height, 0);
    ASSERT_EQ(cursor.pixels.size(), static_cast<std::size_t>(cursor.width * cursor.height));
    EXPECT_GE(cursor.hotX, 0);
    EXPECT_LT(cursor.hotX, cursor.width);
    EXPECT_GE(cursor.hotY, 0);
    EXPECT_LT(cursor.hotY, cursor.height);
    auto at = [&](int x, int y) {
        return cursor.pixels[static_cast<std::size_t>(y * cursor.width + x)];
    };
    // Corners are clear, the ring crosses the middle row left and right of the hot spot.
    EXPECT_FALSE(Opaque(at(0, 0)));
    EXPECT_FALSE(Opaque(at(cursor.width - 1, cursor.height - 1)));
    const int y = cursor.hotY;
    int leftRing = 0;
    int rightRing = 0;
    for (int x = 0; x < cursor.width; ++x) {
        if (at(x, y) != 0xFF000000u) {
            continue;
        }
        if (x < cursor.hotX - 4) {
            ++leftRing;
        } else if (x > cursor.hotX + 4) {
            ++rightRing;
        }
    }
    EXPECT_GT(leftRing, 1);
    EXPECT_GT(rightRing, 1);
}

// --- named numbers ----------------------------------------------------------------------------

TEST(ResourceIds, NamedNumbersAreTheComponentsNumbers) {
    using namespace tarnres;
    const std::pair<int, int> named[] = {
        {kStrToolbarMap, 110},
        {kStrToolsMenu, 1001},
        {kStrColumnOverlay, 10005},
        {kStrColumnFile, 10009},
        {kStrMapSectionInformation, 32798},
        {kStrMapSymbolInformation, 32799},
        {kStrLinkerSectionSetting, 32800},
        {kStrLinkMapList, 32801},
        {kStrSymbolNotFound, 32802},
        {kStrEnterSymbolName, 32803},
        {kStrSearchReachedEnd, 32805},
        {kStrAllocationCompleted, 32808},
        {kStrAskAllocateMemoryResource, 32809},
        {kStrAskSetEditedSections, 32810},
        {kStrAskDropEditsForReload, 32811},
        {kStrDisplayItemText, 32834},
        {kStrEditsDroppedForSubcommandFile, 32836},
        {kStrAskCloseWhileLocked, 32837},
        {kStrEditSelectedItem, 32838},
        {SectionErrorString(15), 35015},
        {kCmdOpenMap, 32770},
        {kCmdSectionEditMode, 32812},
        {kCmdMoveDown, 32821},
        {kCmdMoveUp, 32822},
        {kCmdPrintSymbolList, 32824},
        {kCmdPrintSectionList, 32830},
        {kCmdPrintSectionSettingTree, 32831},
        {kCmdPrintSectionTree, 32832},
        {kCmdPrintChooser, 32833},
        {kCmdViewSource, 32852},
        {kDlgFindSymbol, 217},
        {kCtlFindName, 218},
        {kDlgSelectMapType, 9003},
        {kCtlMapType, 9019},
        {kDlgAddSectionGroup, 9008},
        {kDlgAddSection, 9009},
        {kDlgAddOverlayGroup, 9010},
        {kDlgSelectPrint, 9011},
        {kDlgFilterSymbol, 9012},
        {kCtlFilterEnable, 9036},
        {kMenuTools, 201},
        {kMenuSectionSettingTree, 9006},
        {kToolbarMap, 203},
        {kToolbarSectionTree, 9007},
        {kToolbarSectionList, 9008},
        {kToolbarSymbolList, 9009},
        {kAccelMap, 9000},
        {kBmpSortAscending, 9020},
        {kBmpSortDescending, 20530},
        {kBmpSectionGroup, 9007},
        {kBmpOverlayMember, 20526},
        {kBmpSingleSection, 20527},
        {kBmpSectionListNode, 20528},
        {kBmpSubList, 20529},
        {kBmpSettingRoot, 20524},
        {kCursorNoDrop, 106},
    };
    for (const auto& [constant, number] : named) {
        EXPECT_EQ(constant, number);
    }
}

}  // namespace
