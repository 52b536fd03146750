// The resource library as the component's loader sees it: loaded with dlopen, its exports
// called by name, and its table checked for the structure the component relies on (dialogs
// with their controls, menus and toolbars with their commands, images of the right size) and
// for the texts users read.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
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

// A text with its newlines, tabs, quotes and backslashes escaped, on one line.
std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        out += c == '\n'   ? "\\n"
               : c == '\t' ? "\\t"
               : c == '"'  ? "\\\""
               : c == '\\' ? "\\\\"
                           : std::string(1, c);
    }
    return out;
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
    // That the loader accepts them shows in tests/cases/component-info/built.
    EXPECT_EQ(major, 1);
    EXPECT_EQ(minor, 0);
    EXPECT_STREQ(productVersion(), "1.0");
    EXPECT_EQ(ordinalVersion(), 1);
    EXPECT_STREQ(type(), "Resource");
}

// --- commands ---------------------------------------------------------------------------------

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

const DialogControlTemplate* FindControl(const DialogTemplate& dialog, int id,
                                         const char* text = nullptr) {
    for (const DialogControlTemplate& control : dialog.controls) {
        if (control.id == id && (id != -1 || (text != nullptr && control.text == text))) {
            return &control;
        }
    }
    return nullptr;
}

TEST_F(ResourceLibraryTest, DialogsHaveOkCancelAndUniqueControlsInsideTheirArea) {
    for (const auto& [id, dialogTemplate] : table_->dialogs) {
        SCOPED_TRACE(id);
        const DialogTemplate* dialog = &dialogTemplate;
        const DialogControlTemplate* ok = FindControl(*dialog, 1);
        const DialogControlTemplate* cancel = FindControl(*dialog, 2);
        ASSERT_TRUE(ok && cancel);
        EXPECT_EQ(ok->kind, ControlKind::DefPushButton);
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

std::vector<int> Buttons(const tarnui::ToolbarTemplate& toolbar) {
    std::vector<int> buttons;
    std::copy_if(toolbar.commands.begin(), toolbar.commands.end(), std::back_inserter(buttons),
                 [](int command) { return command != 0; });
    return buttons;
}

TEST_F(ResourceLibraryTest, ToolbarsHaveOneDistinctVisibleImagePerButton) {
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

// --- the whole table as text -------------------------------------------------------------------

// A bitmap as its colours in order of first appearance and a digest (FNV-1a) of every pixel,
// transparent ones as 0: a changed pixel changes the digest. The pictures are the pixel rows
// of src/resources.
void WriteImage(std::ostream& out, const std::vector<uint32_t>& pixels) {
    std::vector<uint32_t> colours;
    uint64_t digest = 14695981039346656037ull;
    for (uint32_t pixel : pixels) {
        if (!Opaque(pixel)) {
            pixel = 0;
        } else if (std::find(colours.begin(), colours.end(), pixel) == colours.end()) {
            colours.push_back(pixel);
        }
        for (int shift = 0; shift < 32; shift += 8) {
            digest = (digest ^ ((pixel >> shift) & 0xFF)) * 1099511628211ull;
        }
    }
    out << "    colours" << std::hex << std::uppercase;
    for (uint32_t colour : colours) {
        out << " " << colour;
    }
    out << " digest " << digest << std::dec << "\n";
}

void WriteMenu(std::ostream& out, const std::vector<MenuItemTemplate>& items, int depth) {
    for (const MenuItemTemplate& item : items) {
        out << std::string(2 * depth, ' ')
            << (item.separator ? "----"
                               : "\"" + Escaped(item.text) + "\" " + std::to_string(item.command))
            << "\n";
        WriteMenu(out, item.items, depth + 1);
    }
}

std::string Describe(const tarnui::ResourceTable& table) {
    std::ostringstream out;
    for (const auto& [id, text] : table.strings) {
        out << "string " << id << " \"" << Escaped(text) << "\"\n";
    }
    for (const auto& [id, dialog] : table.dialogs) {
        out << "dialog " << id << " \"" << Escaped(dialog.title) << "\" " << dialog.width << "x"
            << dialog.height << "\n";
        for (const DialogControlTemplate& c : dialog.controls) {
            out << "  kind " << static_cast<int>(c.kind) << " id " << c.id << " \""
                << Escaped(c.text) << "\" at " << c.x << "," << c.y << " " << c.width << "x"
                << c.height << " style " << c.style << "\n";
        }
    }
    for (const auto& [id, menu] : table.menus) {
        out << "menu " << id << "\n";
        WriteMenu(out, menu.items, 1);
    }
    for (const auto& [id, toolbar] : table.toolbars) {
        out << "toolbar " << id << " bitmap " << toolbar.bitmap << " buttons "
            << toolbar.buttonWidth << "x" << toolbar.buttonHeight << " commands";
        for (int command : toolbar.commands) {
            out << " " << command;
        }
        out << "\n";
    }
    for (const auto& [id, accelerators] : table.accelerators) {
        out << "accelerators " << id << "\n";
        for (const tarnui::AcceleratorTemplate& a : accelerators.entries) {
            out << "  key " << a.key << " modifiers " << int{a.modifiers} << " command "
                << a.command << "\n";
        }
    }
    for (const auto& [id, bitmap] : table.bitmaps) {
        out << "bitmap " << id << " " << bitmap.width << "x" << bitmap.height << "\n";
        WriteImage(out, bitmap.pixels);
    }
    for (const auto& [id, cursor] : table.cursors) {
        out << "cursor " << id << " " << cursor.width << "x" << cursor.height << " hot spot "
            << cursor.hotX << "," << cursor.hotY << "\n";
        WriteImage(out, cursor.pixels);
    }
    return out.str();
}

// Every text, dialog, menu, toolbar, accelerator and image against the reviewed description
// in tests/data/golden/resource-table.txt; TARN_UPDATE_CASES=1 rewrites it.
TEST_F(ResourceLibraryTest, TableMatchesItsGoldenDescription) {
    const std::string path = std::string(TARN_TEST_DATA_DIR) + "/golden/resource-table.txt";
    const std::string actual = Describe(*table_);
    if (const char* update = std::getenv("TARN_UPDATE_CASES");
        update && std::string(update) == "1") {
        std::ofstream(path) << actual;
    }
    // The first line that differs, rather than the whole text.
    std::ifstream expectedLines(path);
    std::istringstream actualLines(actual);
    std::string want, got;
    for (int line = 1; std::getline(expectedLines, want); ++line) {
        if (!std::getline(actualLines, got)) {
            got = "(no more lines)";
        }
        ASSERT_EQ(got, want) << path << ":" << line << " (TARN_UPDATE_CASES=1 rewrites it)";
    }
    EXPECT_FALSE(std::getline(actualLines, got)) << "a line more than " << path << ": " << got;
}

}  // namespace
