#include "src/data/CTarnMapDataManager.h"

#include <utility>

CTarnMapDataManager::CTarnMapDataManager(IBraeHost* host)
    : host_(host),
      memoryMap_(std::make_unique<CMemoryMapInfo>(host)),
      linkMap_(std::make_unique<CLinkMapInfo>(host)),
      linkerSections_(std::make_unique<CLinkerSectionInfo>(host)) {}

CTarnMapDataManager::~CTarnMapDataManager() {
    // The models go in this order: linker sections, memory map, link map.
    linkerSections_.reset();
    memoryMap_.reset();
    linkMap_.reset();
}

void CTarnMapDataManager::SetContext(const WString& first, const WString& second,
                                     const WString& third, const WString& fourth) {
    memoryMap_->SetContext(first, second, fourth);
    linkMap_->SetContext(first, second, third);
    linkerSections_->SetContext(first, second, third);
}

void CTarnMapDataManager::LoadLinkMap() {
    linkMap_->Load();
}

int32_t CTarnMapDataManager::GetSectionCount() const {
    return linkMap_->GetSectionCount();
}

int32_t CTarnMapDataManager::GetSections(int32_t first, int32_t count,
                                         LinkMapSectionRows& rows) const {
    return linkMap_->GetSections(first, count, rows);
}

void CTarnMapDataManager::FreeSectionRows(LinkMapSectionRows& rows) {
    CLinkMapInfo::FreeSectionRows(rows);
}

int32_t CTarnMapDataManager::GetSymbolCount(const std::string& section) const {
    return linkMap_->GetSymbolCount(section);
}

int32_t CTarnMapDataManager::GetSymbols(int32_t first, int32_t count, const std::string& section,
                                        LinkMapSymbolRows& rows) const {
    return linkMap_->GetSymbols(first, count, section, rows);
}

std::string CTarnMapDataManager::GetSymbolName(const std::string& section, int32_t index) const {
    return linkMap_->GetSymbolName(section, index);
}

void CTarnMapDataManager::FreeSymbolRows(LinkMapSymbolRows& rows) {
    CLinkMapInfo::FreeSymbolRows(rows);
}

void CTarnMapDataManager::Sort(int windowType, int32_t column, int32_t direction) {
    // The views pass their header's column number, whose meaning depends on the list.
    if (windowType == kWindowTypeSectionList) {
        linkMap_->SortSections(static_cast<SectionColumn>(column),
                               static_cast<RowSortDirection>(direction));
    } else if (windowType == kWindowTypeSymbolList) {
        linkMap_->SortSymbols(static_cast<SymbolColumn>(column),
                              static_cast<RowSortDirection>(direction));
    }
}

void CTarnMapDataManager::LoadLinkerSections() {
    linkerSections_->LoadFromHost();
}

int CTarnMapDataManager::GetLinkerSections(LinkerSectionRows& rows) const {
    return linkerSections_->GetEntries(rows);
}

int CTarnMapDataManager::GetLinkerOptionFlags(uint32_t* word, uint32_t* second) {
    return linkerSections_->GetOptionFlags(word, second);
}

int CTarnMapDataManager::GetSettingState(int32_t* state) {
    return linkerSections_->GetSettingState(state);
}

int CTarnMapDataManager::SetLinkerSections(const LinkerSectionRows& rows) {
    return linkerSections_->SetEntries(rows);
}

int CTarnMapDataManager::SetLinkerSections(LinkerSectionRows&& rows) {
    return linkerSections_->SetEntries(std::move(rows));
}

void CTarnMapDataManager::FreeLinkerSectionRows(LinkerSectionRows& rows) {
    CLinkerSectionInfo::FreeLinkerSectionRows(rows);
}

void CTarnMapDataManager::LoadMemoryMap() {
    memoryMap_->Load();
}

int32_t CTarnMapDataManager::GetMemoryAreaCount() const {
    return memoryMap_->GetAreaCount();
}

void CTarnMapDataManager::AutoAllocate() {
    std::vector<uint32_t> starts;
    std::vector<uint32_t> ends;
    if (linkMap_->GetUsedRanges(starts, ends) == 0) {
        return;
    }
    if (memoryMap_->PlanAllocation(starts, ends) == 0) {
        return;
    }
    memoryMap_->AllocateResources(starts, ends);
}
