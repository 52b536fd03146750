// The string table: messages, captions, column titles and command prompts.
#include <utility>

#include "src/resources/ResourceIds.h"
#include "src/resources/ResourceParts.h"

namespace tarnres {
namespace {

using Entry = std::pair<int, const char*>;

// Texts that the component shows or compares as they stand.
constexpr Entry kComponentTexts[] = {
    {kStrToolbarMap, "Map"},
    {kStrToolsMenu, "Tools"},
    {kStrColumnName, "Name"},
    {kStrColumnStartAddress, "Start Address"},
    {kStrColumnEndAddress, "End Address"},
    {kStrColumnSize, "Size"},
    {kStrColumnOverlay, "Overlay"},
    {kStrColumnAttribute, "Attribute"},
    {kStrColumnScope, "Scope"},
    {kStrColumnSection, "Section"},
    {kStrColumnFile, "File"},
    {kStrFontColourEntry, "Map"},
    {kStrMapSectionInformation, "Map Section Information"},
    {kStrMapSymbolInformation, "Map Symbol Information"},
    {kStrLinkerSectionSetting, "Linker section setting"},
    {kStrLinkMapList, "Link map list"},
    {kStrSymbolNotFound, "Symbol is not found"},
    {kStrEnterSymbolName, "Please enter a symbol name"},
    {kStrSearchReachedEnd, "Search has reached the end of symbols"},
    {kStrAllocationCompleted, "The allocation of the memory resource was completed"},
    {kStrAskAllocateMemoryResource, "Is the memory resource allocated?"},
    {kStrAskSetEditedSections, "Set the edited linker section information?"},
    {kStrDisplayItemText, "Text"},
    {kStrEditSelectedItem, "Edit Selected Item"},
    // Commands of every view; the host's two commands share the texts.
    {kCmdAllowDocking, "Allow window docking"},
    {kCmdHideWindow, "Hide window"},
    {kCmdHostAllowDocking, "Allow window docking"},
    {kCmdHostHideWindow, "Hide window"},
    {kCmdDisplayToolbar, "Display toolbar"},
    {kCmdCustomizeToolbar, "Open customize toolbar dialog"},
    {kCmdPrintChooser, "Print the select Information\nPrint..."},
    {kCmdOpenMap, "Open map window\nMap..."},
};

// Messages of the section and address checks, by error number.
constexpr const char* kSectionErrors[kSectionErrorCount] = {
    "Success",
    "Illegal parentheses",
    "Overlay nests",
    "Illegal section delimiter",
    "The invalid character is used for a section name",
    ("Selection of a section is invalid.\nIt is necessary to choose one or more sections "
     "continuously."),
    "The overlay can not be specified",
    "The overlay can not be specified to the partial section",
    "Two or more addresses can not be specified",
    "The end address can not be specified",
    "The specified address is illegal",
    "The start address is not specified",
    "The end address is not specified",
    "The start address must be lower than the end address",
    "The specified address already exists",
    "Address value is out of range",
};

// Questions of the section setting tree whose wording is ours.
constexpr Entry kEditorQuestions[] = {
    {kStrAskDropEditsForReload,
     "The linker section settings have been changed outside this window.\nDiscard the edited "
     "linker section information and show the new settings?"},
    {kStrEditsDroppedForSubcommandFile,
     "The linker section settings are now taken from a subcommand file.\nThe edited linker "
     "section information is discarded."},
    {kStrAskCloseWhileLocked,
     "The edited linker section information cannot be set while the build is running.\nClose "
     "the window and discard the edits?"},
};

// Messages of the resource library check. "%1" and "%s" stand for the library's path.
constexpr Entry kLibraryCheckMessages[] = {
    {kStrMissingInterfaceVersion,
     "The resource library %1 does not export GetDLLInterfaceVersion."},
    {kStrMissingType, "The resource library %1 does not export GetDLLType."},
    {kStrMissingProductVersion, "The resource library %1 does not export GetDLLProductVersion."},
    {kStrMissingOrdinalVersion, "The resource library %1 does not export GetDLLOrdinalVersion."},
    {kStrModuleNameMissing,
     "Cannot obtain module. File name missing.\nPlease read User Guide to create/install a new "
     "version."},
    {kStrApplicationWillExit, "Application will now exit."},
    {kStrErrorLoadingLibrary, "Error loading resource DLL %1"},
    {kStrNotResourceLibrary, "Dll %s is not a resources Dll"},
    {kStrIncorrectVersion, "Incorrect version of Resources - exiting"},
};

// Status prompts and tooltips of the commands on menus and toolbars.
constexpr Entry kCommandPrompts[] = {
    {kCmdMemoryMapSetting, "Open the memory map settings of the target device\nMemory Map Setting"},
    {kCmdMemoryResourceAutoAllocate,
     "Enter the address ranges of the program as memory resources\nMemory Resource Auto "
     "Allocate"},
    {kCmdSectionEditMode, "Switch editing of the section settings on or off\nSection Edit Mode"},
    {kCmdAddSectionGroup, "Add a section group at a start address\nAdd Section Group"},
    {kCmdAddSection, "Add a section at the selected item\nAdd Section"},
    {kCmdAddOverlayGroup, "Overlay the selected sections with a new group\nAdd Overlay Group"},
    {kCmdEditSelectedItem, "Edit the selected item\nEdit Selected Item"},
    {kCmdCut, "Cut the selected item\nCut"},
    {kCmdCopy, "Copy the selected item\nCopy"},
    {kCmdPaste, "Paste at the selected item\nPaste"},
    {kCmdDelete, "Delete the selected item\nDelete"},
    {kCmdMoveDown, "Move the selected item down\nMove Down"},
    {kCmdMoveUp, "Move the selected item up\nMove Up"},
    {kCmdChangePrimarySection,
     "Make the selected overlay member the primary section\nChange Primary Section"},
    {kCmdPrintSymbolList, "Print the symbol list\nPrint"},
    {kCmdShowUnallocatedArea, "Show or hide the unallocated areas\nShow Unallocated Area"},
    {kCmdFind, "Find a symbol by name\nFind"},
    {kCmdFindNext, "Find the next matching symbol\nFind Next"},
    {kCmdFilter, "Show only the symbols of chosen attributes, scopes, sections and files\nFilter"},
    {kCmdShowNoSizeSection, "Show or hide the sections of size zero\nShow No Size Section"},
    {kCmdPrintSectionList, "Print the section list\nPrint"},
    {kCmdPrintSectionSettingTree, "Print the section setting tree\nPrint"},
    {kCmdPrintSectionTree, "Print the section tree\nPrint"},
    {kCmdViewSource, "Show the source line of the selected item\nView Source"},
};

// Every number appears once across all blocks, so no text is dropped when the table is filled.
consteval bool NumbersAreUnique() {
    int ids[256] = {};
    int count = 0;
    auto collect = [&](const auto& entries) {
        for (const auto& entry : entries) {
            ids[count++] = entry.first;
        }
    };
    collect(kComponentTexts);
    collect(kEditorQuestions);
    collect(kLibraryCheckMessages);
    collect(kCommandPrompts);
    for (int error = 0; error < kSectionErrorCount; ++error) {
        ids[count++] = SectionErrorString(error);
    }
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            if (ids[i] == ids[j]) {
                return false;
            }
        }
    }
    return true;
}
static_assert(NumbersAreUnique(), "a string number is used twice");

template <std::size_t N>
void AddAll(tarnui::ResourceTable& table, const Entry (&entries)[N]) {
    for (const auto& [id, text] : entries) {
        table.strings.emplace(id, text);
    }
}

}  // namespace

void AddStrings(tarnui::ResourceTable& table) {
    AddAll(table, kComponentTexts);
    for (int error = 0; error < kSectionErrorCount; ++error) {
        table.strings.emplace(SectionErrorString(error), kSectionErrors[error]);
    }
    AddAll(table, kEditorQuestions);
    AddAll(table, kLibraryCheckMessages);
    AddAll(table, kCommandPrompts);
}

}  // namespace tarnres
