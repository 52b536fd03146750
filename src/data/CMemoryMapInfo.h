// The target device's memory map, read from the memory resource description that the host
// keeps, and "Memory Resource Auto Allocate": the address ranges the linked program occupies
// that lie inside the memory areas and have no resource yet become new resources ("R" inside
// on-chip ROM, "R/W" elsewhere), and the description is written back.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "src/data/MemoryMapRecords.h"
#include "src/shell/HostInterfaces.h"

class CMemoryMapInfo {
public:
    explicit CMemoryMapInfo(IBraeHost* host);
    CMemoryMapInfo(const CMemoryMapInfo&) = delete;
    CMemoryMapInfo& operator=(const CMemoryMapInfo&) = delete;

    // The three context strings passed first to the memory resource service.
    void SetContext(const WString& context1, const WString& context2, const WString& context3);

    // Reads the description from the host and replaces areas, resources and kept records.
    // Without the service or when the read fails the model stays empty.
    void Load();

    int32_t GetAreaCount() const;

    // Reduces the used ranges (given as parallel lists, any order, overlaps allowed) to the
    // ascending parts inside the memory areas that no resource covers, cut at area
    // boundaries. The parts outside every area are kept as the outside ranges. Returns 0,
    // leaving the ranges without the covered parts, when there is no memory area.
    int PlanAllocation(std::vector<uint32_t>& usedStarts, std::vector<uint32_t>& usedEnds);

    // Adds the ranges as resources, orders and joins the resource list, writes the
    // description back to the host and raises the memory resource event.
    void AllocateResources(const std::vector<uint32_t>& starts, const std::vector<uint32_t>& ends);

    // ---- read-only views of the model ----
    const std::vector<std::unique_ptr<tagMapInfo>>& GetAreas() const { return areas_; }
    const std::vector<std::unique_ptr<tagResourceInfo>>& GetResources() const { return resources_; }
    // Items of the resource record that could not be read as resources; written back as read.
    const std::vector<std::string>& GetUnreadResourceItems() const { return unreadResourceItems_; }
    const std::vector<uint32_t>& GetOutsideStarts() const { return outsideStarts_; }
    const std::vector<uint32_t>& GetOutsideEnds() const { return outsideEnds_; }
    const std::string& GetVersionRecord() const { return versionRecord_; }
    const std::string& GetCpuTypeRecord() const { return cpuTypeRecord_; }
    const std::string& GetMapRecord() const { return mapRecord_; }
    const std::vector<std::string>& GetOtherRecords() const { return otherRecords_; }
    // True when the last Load read a description from the host.
    bool IsLoaded() const { return loaded_; }

private:
    void Clear();
    void ReadMapRecord(const std::string& record);
    void ReadResourceRecord(const std::string& record);
    bool ToAddress(const std::string& text, uint32_t* value) const;
    std::string AddressText(uint32_t value) const;
    std::string ComposeDescription() const;

    IBraeHost* host_;
    IBraeValueConversion* conversion_;
    WString context1_, context2_, context3_;

    std::vector<std::unique_ptr<tagMapInfo>> areas_;
    std::vector<std::unique_ptr<tagResourceInfo>> resources_;
    std::vector<std::string> unreadResourceItems_;
    std::vector<uint32_t> outsideStarts_;
    std::vector<uint32_t> outsideEnds_;
    std::string versionRecord_;
    std::string cpuTypeRecord_;
    std::string mapRecord_;
    std::vector<std::string> otherRecords_;
    bool loaded_ = false;
};
