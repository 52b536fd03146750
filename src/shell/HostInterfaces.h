// The host objects and services that the component calls, and the interfaces that the
// component serves to the host. Operations stand in the order of their positions in the
// host's tables; each position is named in its comment. Positions the component never uses
// are not declared. Every call returns a status; strings cross as wide strings.
#pragma once

#include <cstdint>
#include <vector>

#include "src/shell/HostTypes.h"

namespace tarnui {
class Window;
struct MenuTemplate;
struct ToolbarTemplate;
struct AcceleratorTable;
}  // namespace tarnui

// The generic interface every host object and component interface starts with.
class IUnknown {
public:
    virtual HResult QueryInterface(const TarnId& id, void** out) = 0;  // 0: query
    virtual uint32_t AddRef() = 0;                                     // 1: add reference
    virtual uint32_t Release() = 0;                                    // 2: release

protected:
    ~IUnknown() = default;
};

// ---- host objects ---------------------------------------------------------------------------

class IBraeHost : public IUnknown {
public:
    virtual HResult RaiseEvent(const TarnId& event, int32_t value) = 0;          // 4: raise event
    virtual HResult GetService(const TarnId& service, void** out) = 0;           // 9: get service
    virtual HResult Advise(const TarnId& client, IUnknown* clientObject) = 0;    // 10: advise
    virtual HResult Unadvise(const TarnId& client, IUnknown* clientObject) = 0;  // 12: unadvise

protected:
    ~IBraeHost() = default;
};

class IBraeRegistrar : public IUnknown {
public:
    // 20: register a component: display name; the number of interfaces it is offered through
    // and their identifiers; three registration words the host keeps for its front end (the
    // component passes 0, 1, 0); the component identifier
    virtual HResult RegisterComponent(const WString& displayName, int32_t interfaceCount,
                                      const std::vector<TarnId>& interfaces,
                                      int32_t registrationWord1, int32_t registrationWord2,
                                      int32_t registrationWord3, const TarnId& component) = 0;

protected:
    ~IBraeRegistrar() = default;
};

// ---- host services --------------------------------------------------------------------------

// Numbers and addresses to and from text. Text to value answers 0 with the value,
// kStatusOutOfRange when the number does not fit 32 bits and another failure when the text
// is not a number.
class IBraeValueConversion : public IUnknown {
public:
    virtual HResult TextToAddress(const WString& text, int32_t radix, uint32_t* value) = 0;  // 6
    virtual HResult TextToNumber(const WString& text, int32_t radix, uint32_t* value) = 0;   // 12
    virtual HResult NumberToText(uint32_t value, int32_t radix, WString* text) = 0;          // 27
    // 37: address to text; every value gets the same width. The three format words choose
    // the host's presentation; the component passes 0 for each, or -1 as the second.
    virtual HResult AddressToText(uint32_t value, int32_t formatWord1, int32_t formatWord2,
                                  int32_t formatWord3, WString* text) = 0;

protected:
    ~IBraeValueConversion() = default;
};

// The project's section placement groups and its map listing path; every call takes the
// three context strings of the asking model first.
class IBraeLinkerSettings : public IUnknown {
public:
    // 3: number of placement groups
    virtual HResult GetGroupCount(const WString& workspace, const WString& project,
                                  const WString& configuration, int32_t* count) = 0;
    // 4: number of addresses of a group (groups count from 1)
    virtual HResult GetAddressCount(const WString& workspace, const WString& project,
                                    const WString& configuration, int32_t group,
                                    int32_t* count) = 0;
    // 5: start and end address texts of an address of a group (addresses count from 1)
    virtual HResult GetAddressPair(const WString& workspace, const WString& project,
                                   const WString& configuration, int32_t group, int32_t address,
                                   WString* start, WString* end) = 0;
    // 6: number of ":"-separated items of a group
    virtual HResult GetItemCount(const WString& workspace, const WString& project,
                                 const WString& configuration, int32_t group, int32_t* count) = 0;
    // 7: the section names of one item of a group (items count from 1)
    virtual HResult GetItem(const WString& workspace, const WString& project,
                            const WString& configuration, int32_t group, int32_t item,
                            HostStringList* names) = 0;
    // 8: path of the map listing; may hold placeholders
    virtual HResult GetMapListingPath(const WString& workspace, const WString& project,
                                      const WString& configuration, WString* path) = 0;

protected:
    ~IBraeLinkerSettings() = default;
};

class IBraeLinkerSections;

class IBraeLinkerOptions : public IUnknown {
public:
    // 10: take the section settings; the host pulls the groups through the given interface
    virtual HResult TakeSectionSettings(const WString& workspace, const WString& project,
                                        const WString& configuration,
                                        IBraeLinkerSections* sections) = 0;
    // 11: capability word of the current linker and a second value
    virtual HResult GetCapabilities(const WString& workspace, const WString& project,
                                    uint32_t* word, uint32_t* second) = 0;
    // 16: setting state: 0 editable, 1 taken from a subcommand file
    virtual HResult GetSettingState(const WString& workspace, const WString& project,
                                    const WString& configuration, int32_t* state) = 0;

protected:
    ~IBraeLinkerOptions() = default;
};

class IBraeMemoryResources : public IUnknown {
public:
    // 5: read the memory resource description
    virtual HResult ReadDescription(const WString& workspace, const WString& project,
                                    const WString& device, WString* description) = 0;
    // 6: write the memory resource description
    virtual HResult WriteDescription(const WString& workspace, const WString& project,
                                     const WString& device, const WString& description) = 0;

protected:
    ~IBraeMemoryResources() = default;
};

// Per-user display options; a get that fails means the key is absent.
class IBraeOptions : public IUnknown {
public:
    virtual HResult SetNumber(const WString& key, int32_t value) = 0;         // 5: set number
    virtual HResult SetString(const WString& key, const WString& value) = 0;  // 6: set string
    virtual HResult GetNumber(const WString& key, int32_t* value) = 0;        // 9: get number
    virtual HResult GetString(const WString& key, WString* value) = 0;        // 10: get string

protected:
    ~IBraeOptions() = default;
};

class IBraeProjectInfo : public IUnknown {
public:
    // 20: first key part of the workspace's Map window keys
    virtual HResult GetFirstKeyPart(const WString& workspace, const WString& project,
                                    WString* part) = 0;
    // 42: second key part
    virtual HResult GetSecondKeyPart(const WString& workspace, const WString& project,
                                     const WString& device, WString* part) = 0;

protected:
    ~IBraeProjectInfo() = default;
};

// Numbers and strings kept with the workspace, addressed by the four context strings, the
// component's data section and a key. A read that fails means the key is absent.
class IBraeWorkspaceData : public IUnknown {
public:
    struct Address {
        WString workspace, project, configuration, device;
        WString section;
    };
    virtual HResult WriteNumber(const Address& where, const WString& key, int32_t value) = 0;  // 3
    virtual HResult ReadNumber(const Address& where, const WString& key, int32_t* value) = 0;  // 4
    virtual HResult WriteString(const Address& where, const WString& key,
                                const WString& value) = 0;                                     // 5
    virtual HResult ReadString(const Address& where, const WString& key, WString* value) = 0;  // 6

protected:
    ~IBraeWorkspaceData() = default;
};

// Per-user numbers kept across runs, by section and key.
class IBraeProfile : public IUnknown {
public:
    virtual HResult WriteNumber(const WString& section, const WString& key,
                                int32_t value) = 0;  // 3
    virtual HResult ReadNumber(const WString& section, const WString& key,
                               int32_t* value) = 0;  // 7

protected:
    ~IBraeProfile() = default;
};

class IBraeSourceLookup : public IUnknown {
public:
    // 4: source file and line of an address; a result that is not negative means found
    virtual HResult LookupAddress(uint32_t address, WString* file, int32_t* line) = 0;

protected:
    ~IBraeSourceLookup() = default;
};

class IBraeSourceDisplay : public IUnknown {
public:
    // 82: open or activate the source window at a line
    virtual HResult ShowSourceLine(const WString& file, int32_t line, int32_t* result) = 0;

protected:
    ~IBraeSourceDisplay() = default;
};

class IBraeMemoryMapSetting : public IUnknown {
public:
    virtual HResult ShowMemoryMapSetting() = 0;  // 3: the host's own memory map dialog

protected:
    ~IBraeMemoryMapSetting() = default;
};

class IBraeErrorService : public IUnknown {
public:
    virtual HResult Report(int32_t first, int32_t second) = 0;  // 3: report an error

protected:
    ~IBraeErrorService() = default;
};

// The host's own windows that component windows are placed under.
class IBraeHostWindows : public IUnknown {
public:
    // 3: the host's main window; the component's hidden command window becomes its child
    virtual HResult GetMainWindow(tarnui::Window** window) = 0;

protected:
    ~IBraeHostWindows() = default;
};

// Names and directories of the current workspace, project and configuration.
class IBraePlaceholders : public IUnknown {
public:
    virtual HResult GetBraeDir(WString* dir) = 0;                // 5
    virtual HResult GetTempDir(WString* dir) = 0;                // 6
    virtual HResult GetCurrentConfigName(WString* name) = 0;     // 10
    virtual HResult GetCurrentProjectName(WString* name) = 0;    // 11
    virtual HResult GetCurrentWorkspaceName(WString* name) = 0;  // 12
    virtual HResult GetConfigName(const WString& workspace, const WString& project,
                                  const WString& config, WString* name) = 0;  // 19
    virtual HResult GetProjectName(const WString& workspace, const WString& project,
                                   WString* name) = 0;                              // 20
    virtual HResult GetWorkspaceName(const WString& workspace, WString* name) = 0;  // 21
    virtual HResult GetConfigDir(const WString& workspace, const WString& project,
                                 const WString& config, WString* dir) = 0;  // 22
    virtual HResult GetProjectDir(const WString& workspace, const WString& project,
                                  WString* dir) = 0;                              // 23
    virtual HResult GetWorkspaceDir(const WString& workspace, WString* dir) = 0;  // 24
    virtual HResult IsWorkspaceOpen(int32_t* open) = 0;                           // 35

protected:
    ~IBraePlaceholders() = default;
};

class IBraeCustomPlaceholders : public IUnknown {
public:
    // 43: the host-wide custom placeholders
    virtual HResult GetHostPlaceholders(std::vector<HostNameValue>* list) = 0;
    // 186: the custom placeholders of a workspace
    virtual HResult GetWorkspacePlaceholders(const WString& workspace,
                                             std::vector<HostNameValue>* list) = 0;

protected:
    ~IBraeCustomPlaceholders() = default;
};

// The host's docking framework: panes that hold the components' windows, their frame states,
// toolbars, menus added to the host's menu bar, accelerator tables and command targets. Every
// request names the asking component. Panes are windows the host creates and owns; a
// component parents its views into them.
//
// Frame state bits (query answers and requests):
inline constexpr uint32_t kFrameHide = 0x01;            // request: hide the frame
inline constexpr uint32_t kFrameShown = 0x02;           // state: shown; request: show
inline constexpr uint32_t kFrameInDocumentArea = 0x08;  // state: sits among the documents
inline constexpr uint32_t kFrameDockable = 0x10;        // state: may dock at the host's edges
inline constexpr uint32_t kFrameToggleDocking = 0x20;   // request: allow or forbid docking
inline constexpr uint32_t kFrameActivate = 0x80;        // request: bring to the front
inline constexpr uint32_t kFrameShowAndActivate = kFrameShown | kFrameActivate;  // 0x82
// The dock bar at the bottom of the host's main window.
inline constexpr int32_t kDockBarBottom = 59422;
// Messages the host sends to the windows inside a pane when the person closes or hides it
// (the message numbers lie above the components' own user messages).
inline constexpr uint32_t kMsgDockingFrameClosing = 0x0400 + 0x0200;
inline constexpr uint32_t kMsgDockingFrameHidden = 0x0400 + 0x0201;

class IBraeDockingFramework : public IUnknown {
public:
    // 3: create a pane under a key; style and dock bar as given (dock bar 0: none)
    virtual HResult CreatePane(const TarnId& component, const WString& key, const WString& caption,
                               uint32_t style, int32_t dockBar, tarnui::Window** pane) = 0;
    // 4: close a pane whose content the component has let go of
    virtual HResult ClosePane(const TarnId& component, tarnui::Window* pane) = 0;
    // 5: frame state request: kFrameHide, kFrameShown, kFrameActivate, kFrameToggleDocking
    virtual HResult RequestFrameState(const TarnId& component, tarnui::Window* frame,
                                      uint32_t flags) = 0;
    // 6: frame state query
    virtual HResult QueryFrameState(const TarnId& component, tarnui::Window* frame,
                                    uint32_t* state) = 0;
    // 7: show the panes of a key; answers their state (0 when there is no pane of the key)
    virtual HResult ShowWindowForKey(const TarnId& component, const WString& key,
                                     uint32_t* state) = 0;
    // 8: add a menu to the host's menu named hostMenu
    virtual HResult AddMenu(const TarnId& component, const tarnui::MenuTemplate& menu,
                            const WString& hostMenu) = 0;
    // 9: register a window as a target of the component's commands
    virtual HResult RegisterCommandTarget(const TarnId& component, tarnui::Window* target,
                                          int32_t* handle) = 0;
    // 10: create a toolbar bar (frame null: the host's own toolbar area), owned by a window
    virtual HResult CreateToolbar(const TarnId& component, tarnui::Window* frame,
                                  tarnui::Window* owner, const WString& displayName,
                                  const WString& identifier, int32_t* handle) = 0;
    // 11: load the buttons of a toolbar
    virtual HResult LoadToolbar(const TarnId& component, int32_t handle,
                                const tarnui::ToolbarTemplate& buttons) = 0;
    // 12: whether a toolbar is shown
    virtual HResult IsToolbarShown(const TarnId& component, int32_t handle, int32_t* shown) = 0;
    // 13: show (non-zero) or hide a toolbar
    virtual HResult ShowToolbar(const TarnId& component, int32_t handle, int32_t show) = 0;
    // 14: open the host's customising dialog for a toolbar
    virtual HResult CustomizeToolbar(const TarnId& component, int32_t handle) = 0;
    // 15: install an accelerator table whose commands go to the target
    virtual HResult InstallAccelerators(const TarnId& component,
                                        const tarnui::AcceleratorTable& table,
                                        tarnui::Window* target) = 0;
    // 16: forget a window: its command target registrations, the toolbars it owns and the
    // accelerator tables aimed at it
    virtual HResult ForgetWindow(const TarnId& component, tarnui::Window* window) = 0;

protected:
    ~IBraeDockingFramework() = default;
};

// ---- interfaces the component serves ---------------------------------------------------------

// The placement groups offered to the host while it takes the section settings.
class IBraeLinkerSections : public IUnknown {
public:
    virtual HResult GetGroupCount(int32_t* count) = 0;                   // 3
    virtual HResult GetAddressCount(int32_t group, int32_t* count) = 0;  // 4
    virtual HResult GetAddress(int32_t group, int32_t address, WString* start,
                               WString* end) = 0;                                     // 5
    virtual HResult GetItemCount(int32_t group, int32_t* count) = 0;                  // 6
    virtual HResult GetItem(int32_t group, int32_t item, HostStringList* names) = 0;  // 7

protected:
    ~IBraeLinkerSections() = default;
};

class IBraeRegistryClient : public IUnknown {
public:
    virtual HResult RegistryCall(intptr_t argument) = 0;  // 3: does nothing

protected:
    ~IBraeRegistryClient() = default;
};

class IBraeComponent : public IUnknown {
public:
    virtual HResult Event(const TarnId& event) = 0;                  // 3: host event
    virtual HResult Initialise(IBraeHost* host, int32_t start) = 0;  // 4: initialise
    virtual HResult Reserved5(intptr_t argument) = 0;                // 5: returns 0
    virtual HResult Reserved6(intptr_t argument) = 0;                // 6: returns 0
    virtual HResult Terminate(int32_t start) = 0;                    // 7: terminate

protected:
    ~IBraeComponent() = default;
};

class IBraeErrorReporter : public IUnknown {
public:
    virtual HResult Report(int32_t first, int32_t second) = 0;  // 3: passed to the error service

protected:
    ~IBraeErrorReporter() = default;
};

// The workspace client: the host tells the component about its workspace. The positions
// without a named operation carry one value and are answered with 0.
class IBraeWorkSpaceClient : public IUnknown {
public:
    virtual HResult WorkspaceReserved3(intptr_t argument) = 0;  // 3
    virtual HResult WorkspaceReserved4(intptr_t argument) = 0;  // 4
    virtual HResult WorkspaceReserved5(intptr_t argument) = 0;  // 5
    virtual HResult WorkspaceReserved6(intptr_t argument) = 0;  // 6
    // 7: settle edits before the workspace goes on; the first negative answer, else the last
    virtual HResult SettleEdits(int32_t value) = 0;
    virtual HResult WorkspaceReserved8(intptr_t argument) = 0;   // 8
    virtual HResult WorkspaceReserved9(intptr_t argument) = 0;   // 9
    virtual HResult WorkspaceReserved10(intptr_t argument) = 0;  // 10
    virtual HResult WorkspaceReserved11(intptr_t argument) = 0;  // 11
    virtual HResult WorkspaceReserved12(intptr_t argument) = 0;  // 12
    virtual HResult WorkspaceReserved13(intptr_t argument) = 0;  // 13
    // 14: unsaved changes: sets *modified to 1 when the component holds unsaved edits
    virtual HResult QueryModified(intptr_t value, int32_t* modified) = 0;
    virtual HResult WorkspaceReserved15(intptr_t argument) = 0;  // 15
    virtual HResult WorkspaceReserved16(intptr_t argument) = 0;  // 16
    virtual HResult WorkspaceReserved17(intptr_t argument) = 0;  // 17
    virtual HResult WorkspaceReserved18(intptr_t argument) = 0;  // 18
    virtual HResult WorkspaceReserved19(intptr_t argument) = 0;  // 19
    virtual HResult WorkspaceReserved20(intptr_t argument) = 0;  // 20
    virtual HResult WorkspaceReserved21(intptr_t argument) = 0;  // 21
    virtual HResult WorkspaceReserved22(intptr_t argument) = 0;  // 22
    virtual HResult WorkspaceReserved23(intptr_t argument) = 0;  // 23
    virtual HResult WorkspaceReserved24(intptr_t argument) = 0;  // 24
    virtual HResult WorkspaceReserved25(intptr_t argument) = 0;  // 25
    virtual HResult WorkspaceReserved26(intptr_t argument) = 0;  // 26
    virtual HResult WorkspaceReserved27(intptr_t argument) = 0;  // 27
    virtual HResult WorkspaceReserved28(intptr_t argument) = 0;  // 28
    virtual HResult WorkspaceReserved29(intptr_t argument) = 0;  // 29
    virtual HResult WorkspaceReserved30(intptr_t argument) = 0;  // 30
    virtual HResult WorkspaceReserved31(intptr_t argument) = 0;  // 31
    virtual HResult WorkspaceReserved32(intptr_t argument) = 0;  // 32
    virtual HResult WorkspaceReserved33(intptr_t argument) = 0;  // 33
    virtual HResult WorkspaceReserved34(intptr_t argument) = 0;  // 34
    virtual HResult WorkspaceReserved35(intptr_t argument) = 0;  // 35
    virtual HResult WorkspaceReserved36(intptr_t argument) = 0;  // 36
    virtual HResult WorkspaceReserved37(intptr_t argument) = 0;  // 37
    virtual HResult WorkspaceReserved38(intptr_t argument) = 0;  // 38
    virtual HResult WorkspaceReserved39(intptr_t argument) = 0;  // 39
    virtual HResult WorkspaceReserved40(intptr_t argument) = 0;  // 40
    virtual HResult WorkspaceReserved41(intptr_t argument) = 0;  // 41
    virtual HResult WorkspaceReserved42(intptr_t argument) = 0;  // 42

protected:
    ~IBraeWorkSpaceClient() = default;
};

// The second workspace client extends the first; one object serves both.
class IBraeWorkSpaceClient2 : public IBraeWorkSpaceClient {
public:
    // 43: the workspace is closing; the four host values carry nothing the component uses
    virtual HResult WorkspaceClosing(intptr_t hostValue1, intptr_t hostValue2, intptr_t hostValue3,
                                     intptr_t hostValue4) = 0;
    // 44: a workspace was opened: its four context strings
    virtual HResult WorkspaceOpened(const WString& workspace, const WString& project,
                                    const WString& configuration, const WString& device) = 0;
    virtual HResult WorkspaceReserved45(intptr_t argument) = 0;  // 45
    virtual HResult WorkspaceReserved46(intptr_t argument) = 0;  // 46
    virtual HResult WorkspaceReserved47(intptr_t argument) = 0;  // 47
    // 48: the workspace is saved: the first two context strings and the device of the save
    virtual HResult WorkspaceSave(const WString& workspace, const WString& project,
                                  const WString& savedDevice) = 0;
    // 49: three host values the component does not use; out value
    virtual HResult QueryValue(intptr_t hostValue1, intptr_t hostValue2, intptr_t hostValue3,
                               int32_t* value) = 0;

protected:
    ~IBraeWorkSpaceClient2() = default;
};

// The font-and-colour client: the host's font and colour settings reach the component.
class IBraeFormatViewClient2 : public IUnknown {
public:
    // 3: name of the component's entry in the host's font-and-colour settings
    virtual HResult GetEntryName(WString* name) = 0;
    virtual HResult FormatReserved4(intptr_t argument) = 0;  // 4
    virtual HResult FormatReserved5(intptr_t argument) = 0;  // 5
    // 6: the display item names
    virtual HResult GetDisplayItems(HostStringList* items) = 0;
    // 7: colours of the item last set
    virtual HResult GetCurrentItemColours(intptr_t value, int32_t* foreground,
                                          int32_t* background) = 0;
    // 8: current font
    virtual HResult GetFont(WString* name, int32_t* size) = 0;
    // 9: set the colours of an item
    virtual HResult SetItemColours(const WString& item, int32_t foreground, int32_t background) = 0;
    // 10: set the font
    virtual HResult SetFont(const WString& name, int32_t size) = 0;
    // 11: set the font (second entry)
    virtual HResult SetFontAgain(const WString& name, int32_t size) = 0;
    // 12: set the colours of the text
    virtual HResult SetTextColours(int32_t foreground, int32_t background) = 0;
    // 13: set the colours of selected text
    virtual HResult SetSelectedTextColours(int32_t foreground, int32_t background) = 0;
    virtual HResult FormatReserved14(intptr_t argument) = 0;  // 14
    // 15: colours of a named item
    virtual HResult GetItemColours(const WString& item, int32_t* foreground,
                                   int32_t* background) = 0;

protected:
    ~IBraeFormatViewClient2() = default;
};

// The host's options changed (the linker options among them).
class IBraeDataManagerOptionsClient : public IUnknown {
public:
    virtual HResult OptionsReserved3(intptr_t argument) = 0;   // 3
    virtual HResult OptionsReserved4(intptr_t argument) = 0;   // 4
    virtual HResult OptionsReserved5(intptr_t argument) = 0;   // 5
    virtual HResult OptionsReserved6(intptr_t argument) = 0;   // 6
    virtual HResult OptionsReserved7(intptr_t argument) = 0;   // 7
    virtual HResult OptionsReserved8(intptr_t argument) = 0;   // 8
    virtual HResult OptionsReserved9(intptr_t argument) = 0;   // 9
    virtual HResult OptionsReserved10(intptr_t argument) = 0;  // 10
    // 11: the host's options changed
    virtual HResult OptionsChanged(intptr_t hostValue1, intptr_t hostValue2,
                                   intptr_t hostValue3) = 0;

protected:
    ~IBraeDataManagerOptionsClient() = default;
};

// ---- entry points of a component library ------------------------------------------------------

// The host's key of one component instance: an opaque pointer-sized value.
using ComponentInstanceKey = uintptr_t;

// The five C functions every component library exports, looked up by these names.
extern "C" {
using CreateInstanceFunction = HResult (*)(ComponentInstanceKey key);
using DestroyInstanceFunction = HResult (*)(ComponentInstanceKey key);
using LibraryRegister2Function = HResult (*)(IBraeRegistrar* registrar);
using QueryInterface2Function = HResult (*)(ComponentInstanceKey key, const TarnId* id, void** out);
using GetComponentVersionFunction = HResult (*)(int32_t* major, int32_t* minor);
}

inline constexpr const char* kExportCreateInstance = "CreateInstance";
inline constexpr const char* kExportDestroyInstance = "DestroyInstance";
inline constexpr const char* kExportLibraryRegister2 = "LibraryRegister2";
inline constexpr const char* kExportQueryInterface2 = "QueryInterface2";
inline constexpr const char* kExportGetComponentVersion = "GetComponentVersion";
