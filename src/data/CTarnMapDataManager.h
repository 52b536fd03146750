// The single owner of the component's map data: the link map, the memory map and the linker
// section settings. Views and the section setting editor reach the data only through it; it
// hands each model its context strings, sorts by window type and runs the automatic memory
// resource allocation.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "src/data/CLinkMapInfo.h"
#include "src/data/CLinkerSectionInfo.h"
#include "src/data/CMemoryMapInfo.h"
#include "src/shell/HostInterfaces.h"

// Window types whose rows the manager sorts.
inline constexpr int kWindowTypeSectionList = 1;
inline constexpr int kWindowTypeSymbolList = 3;

class CTarnMapDataManager {
public:
    explicit CTarnMapDataManager(IBraeHost* host);
    ~CTarnMapDataManager();
    CTarnMapDataManager(const CTarnMapDataManager&) = delete;
    CTarnMapDataManager& operator=(const CTarnMapDataManager&) = delete;

    // The four context strings of the open workspace: the link map and the linker sections
    // get (first, second, third), the memory map (first, second, fourth).
    void SetContext(const WString& first, const WString& second, const WString& third,
                    const WString& fourth);

    void LoadLinkMap();
    int32_t GetSectionCount() const;
    int32_t GetSections(int32_t first, int32_t count, LinkMapSectionRows& rows) const;
    static void FreeSectionRows(LinkMapSectionRows& rows);
    int32_t GetSymbolCount(const std::string& section) const;
    int32_t GetSymbols(int32_t first, int32_t count, const std::string& section,
                       LinkMapSymbolRows& rows) const;
    std::string GetSymbolName(const std::string& section, int32_t index) const;
    static void FreeSymbolRows(LinkMapSymbolRows& rows);
    // Sorts the rows behind a window type; other types change nothing.
    void Sort(int windowType, int32_t column, int32_t direction);

    void LoadLinkerSections();
    int GetLinkerSections(LinkerSectionRows& rows) const;
    int GetLinkerOptionFlags(uint32_t* word, uint32_t* second);
    int GetSettingState(int32_t* state);
    int SetLinkerSections(const LinkerSectionRows& rows);
    // The same, handing the rows over (rows is left empty).
    int SetLinkerSections(LinkerSectionRows&& rows);
    static void FreeLinkerSectionRows(LinkerSectionRows& rows);

    void LoadMemoryMap();
    int32_t GetMemoryAreaCount() const;
    // Adds the address ranges the linked program uses, inside the memory areas and not yet
    // covered, as memory resources, and writes them back to the host.
    void AutoAllocate();

    // The models, for the views and exports that read them directly.
    CLinkMapInfo* LinkMap() { return linkMap_.get(); }
    CMemoryMapInfo* MemoryMap() { return memoryMap_.get(); }
    CLinkerSectionInfo* LinkerSections() { return linkerSections_.get(); }
    IBraeHost* Host() const { return host_; }

private:
    IBraeHost* host_;
    std::unique_ptr<CMemoryMapInfo> memoryMap_;
    std::unique_ptr<CLinkMapInfo> linkMap_;
    std::unique_ptr<CLinkerSectionInfo> linkerSections_;
};
