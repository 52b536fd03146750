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
}

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
    virtual HResult RaiseEvent(const TarnId& event, int32_t value) = 0;         // 4: raise event
    virtual HResult GetService(const TarnId& service, void** out) = 0;          // 9: get service
    virtual HResult Advise(const TarnId& client, IUnknown* clientObject) = 0;   // 10: advise
    virtual HResult Unadvise(const TarnId& client, IUnknown* clientObject) = 0; // 12: unadvise

protected:
    ~IBraeHost() = default;
};

class IBraeRegistrar : public IUnknown {
public:
    // 20: register a component: display name; 1; list of one identifier; 0; 1; 0; identifier
    virtual HResult RegisterComponent(const WString& name, int32_t flag1,
                                      const std::vector<TarnId>& ids, int32_t flag2,
                                      int32_t flag3, int32_t flag4, const TarnId& component) = 0;

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
    // 37: address to text; every value gets the same width
    virtual HResult AddressToText(uint32_t value, int32_t option1, int32_t option2,
                                  int32_t option3, WString* text) = 0;

protected:
    ~IBraeValueConversion() = default;
};

// The project's section placement groups and its map listing path; every call takes the
// three context strings of the asking model first.
class IBraeLinkerSettings : public IUnknown {
public:
    // 3: number of placement groups
    virtual HResult GetGroupCount(const WString& c1, const WString& c2, const WString& c3,
                                  int32_t* count) = 0;
    // 4: number of addresses of a group (groups count from 1)
    virtual HResult GetAddressCount(const WString& c1, const WString& c2, const WString& c3,
                                    int32_t group, int32_t* count) = 0;
    // 5: start and end address texts of an address of a group (addresses count from 1)
    virtual HResult GetAddressPair(const WString& c1, const WString& c2, const WString& c3,
                                   int32_t group, int32_t address, WString* start,
                                   WString* end) = 0;
    // 6: number of ":"-separated items of a group
    virtual HResult GetItemCount(const WString& c1, const WString& c2, const WString& c3,
                                 int32_t group, int32_t* count) = 0;
    // 7: the section names of one item of a group (items count from 1)
    virtual HResult GetItem(const WString& c1, const WString& c2, const WString& c3,
                            int32_t group, int32_t item, HostStringList* names) = 0;
    // 8: path of the map listing; may hold placeholders
    virtual HResult GetMapListingPath(const WString& c1, const WString& c2, const WString& c3,
                                      WString* path) = 0;

protected:
    ~IBraeLinkerSettings() = default;
};

class IBraeLinkerSections;

class IBraeLinkerOptions : public IUnknown {
public:
    // 10: take the section settings; the host pulls the groups through the given interface
    virtual HResult TakeSectionSettings(const WString& c1, const WString& c2, const WString& c3,
                                        IBraeLinkerSections* sections) = 0;
    // 11: capability word of the current linker and a second value
    virtual HResult GetCapabilities(const WString& c1, const WString& c2, uint32_t* word,
                                    uint32_t* second) = 0;
    // 16: setting state: 0 editable, 1 taken from a subcommand file
    virtual HResult GetSettingState(const WString& c1, const WString& c2, const WString& c3,
                                    int32_t* state) = 0;

protected:
    ~IBraeLinkerOptions() = default;
};

class IBraeMemoryResources : public IUnknown {
public:
    // 5: read the memory resource description
    virtual HResult ReadDescription(const WString& c1, const WString& c2, const WString& c3,
                                    WString* description) = 0;
    // 6: write the memory resource description
    virtual HResult WriteDescription(const WString& c1, const WString& c2, const WString& c3,
                                     const WString& description) = 0;

protected:
    ~IBraeMemoryResources() = default;
};

// Per-user display options; a get that fails means the key is absent.
class IBraeOptions : public IUnknown {
public:
    virtual HResult SetNumber(const WString& key, int32_t value) = 0;       // 5: set number
    virtual HResult SetString(const WString& key, const WString& value) = 0; // 6: set string
    virtual HResult GetNumber(const WString& key, int32_t* value) = 0;      // 9: get number
    virtual HResult GetString(const WString& key, WString* value) = 0;      // 10: get string

protected:
    ~IBraeOptions() = default;
};

class IBraeProjectInfo : public IUnknown {
public:
    // 20: first key part of the workspace's Map window keys
    virtual HResult GetFirstKeyPart(const WString& a, const WString& b, WString* part) = 0;
    // 42: second key part
    virtual HResult GetSecondKeyPart(const WString& a, const WString& b, const WString& d,
                                     WString* part) = 0;

protected:
    ~IBraeProjectInfo() = default;
};

// Numbers and strings kept with the workspace, addressed by the four context strings, the
// component's data section and a key. A read that fails means the key is absent.
class IBraeWorkspaceData : public IUnknown {
public:
    struct Address {
        WString a, b, c, d;
        WString section;
    };
    virtual HResult WriteNumber(const Address& where, const WString& key, int32_t value) = 0;  // 3
    virtual HResult ReadNumber(const Address& where, const WString& key, int32_t* value) = 0;  // 4
    virtual HResult WriteString(const Address& where, const WString& key,
                                const WString& value) = 0;                                      // 5
    virtual HResult ReadString(const Address& where, const WString& key, WString* value) = 0;  // 6

protected:
    ~IBraeWorkspaceData() = default;
};

// Per-user numbers kept across runs, by section and key.
class IBraeProfile : public IUnknown {
public:
    virtual HResult WriteNumber(const WString& section, const WString& key, int32_t value) = 0;  // 3
    virtual HResult ReadNumber(const WString& section, const WString& key, int32_t* value) = 0;  // 7

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
    virtual HResult GetBraeDir(WString* dir) = 0;                    // 5
    virtual HResult GetTempDir(WString* dir) = 0;                    // 6
    virtual HResult GetCurrentConfigName(WString* name) = 0;         // 10
    virtual HResult GetCurrentProjectName(WString* name) = 0;        // 11
    virtual HResult GetCurrentWorkspaceName(WString* name) = 0;      // 12
    virtual HResult GetConfigName(const WString& workspace, const WString& project,
                                  const WString& config, WString* name) = 0;  // 19
    virtual HResult GetProjectName(const WString& workspace, const WString& project,
                                   WString* name) = 0;                        // 20
    virtual HResult GetWorkspaceName(const WString& workspace, WString* name) = 0;  // 21
    virtual HResult GetConfigDir(const WString& workspace, const WString& project,
                                 const WString& config, WString* dir) = 0;    // 22
    virtual HResult GetProjectDir(const WString& workspace, const WString& project,
                                  WString* dir) = 0;                          // 23
    virtual HResult GetWorkspaceDir(const WString& workspace, WString* dir) = 0;  // 24
    virtual HResult IsWorkspaceOpen(int32_t* open) = 0;                       // 35

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

// ---- interfaces the component serves ---------------------------------------------------------

// The placement groups offered to the host while it takes the section settings.
class IBraeLinkerSections : public IUnknown {
public:
    virtual HResult GetGroupCount(int32_t* count) = 0;                    // 3
    virtual HResult GetAddressCount(int32_t group, int32_t* count) = 0;   // 4
    virtual HResult GetAddress(int32_t group, int32_t address, WString* start,
                               WString* end) = 0;                          // 5
    virtual HResult GetItemCount(int32_t group, int32_t* count) = 0;      // 6
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
    virtual HResult Event(const TarnId& event) = 0;                 // 3: host event
    virtual HResult Initialise(IBraeHost* host, int32_t start) = 0;  // 4: initialise
    virtual HResult Reserved5(intptr_t argument) = 0;               // 5: returns 0
    virtual HResult Reserved6(intptr_t argument) = 0;               // 6: returns 0
    virtual HResult Terminate(int32_t start) = 0;                   // 7: terminate

protected:
    ~IBraeComponent() = default;
};

class IBraeErrorReporter : public IUnknown {
public:
    virtual HResult Report(int32_t first, int32_t second) = 0;  // 3: passed to the error service

protected:
    ~IBraeErrorReporter() = default;
};

// ---- entry points of a component library ------------------------------------------------------

// The host's key of one component instance: an opaque pointer-sized value.
using ComponentInstanceKey = uintptr_t;

// The five C functions every component library exports, looked up by these names.
extern "C" {
using CreateInstanceFunction = HResult (*)(ComponentInstanceKey key);
using DestroyInstanceFunction = HResult (*)(ComponentInstanceKey key);
using LibraryRegister2Function = HResult (*)(IBraeRegistrar* registrar);
using QueryInterface2Function = HResult (*)(ComponentInstanceKey key, const TarnId* id,
                                            void** out);
using GetComponentVersionFunction = HResult (*)(int32_t* major, int32_t* minor);
}

inline constexpr const char* kExportCreateInstance = "CreateInstance";
inline constexpr const char* kExportDestroyInstance = "DestroyInstance";
inline constexpr const char* kExportLibraryRegister2 = "LibraryRegister2";
inline constexpr const char* kExportQueryInterface2 = "QueryInterface2";
inline constexpr const char* kExportGetComponentVersion = "GetComponentVersion";
