// Working copy of the project's section placement groups. Reads them from the host's linker
// setting service, hands copies to the section setting editor, takes the edited list back and
// offers it to the host's linker option service, which pulls the groups through
// IBraeLinkerSections while it takes them.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "src/data/LinkerSectionTypes.h"
#include "src/shell/HostInterfaces.h"

using LinkerSectionRows = std::vector<std::unique_ptr<tagLinkerSectionInfo>>;

class CLinkerSectionInfo final : public IBraeLinkerSections {
public:
    explicit CLinkerSectionInfo(IBraeHost* host);
    CLinkerSectionInfo(const CLinkerSectionInfo&) = delete;
    CLinkerSectionInfo& operator=(const CLinkerSectionInfo&) = delete;
    virtual ~CLinkerSectionInfo();

    void SetContext(const WString& context1, const WString& context2, const WString& context3);

    // Re-reads every group from the host. Leaves no groups while the settings come from a
    // subcommand file, and none at all when any read fails.
    void LoadFromHost();

    // Empties rows, then appends a copy of every group; returns the group count.
    int GetEntries(LinkerSectionRows& rows) const;
    // Replaces the groups with copies of rows and offers them to the host; 1 when the host
    // took them, else 0 (the groups stay replaced either way).
    int SetEntries(const LinkerSectionRows& rows);
    // The same, taking the rows themselves (rows is left empty).
    int SetEntries(LinkerSectionRows&& rows);
    // Capability word of the current linker and its second value; both 0 and result 0 when
    // the linker option service cannot answer.
    int GetOptionFlags(uint32_t* word, uint32_t* second);
    // Asks the setting state (0 editable, 1 subcommand file) and remembers it; 1 on success.
    int GetSettingState(int32_t* state);
    static void FreeLinkerSectionRows(LinkerSectionRows& rows);

    int32_t SettingState() const { return settingState_; }
    uint32_t WholeTextMode() const { return wholeTextMode_; }

    // IUnknown: no reference count; the data manager owns this object.
    HResult QueryInterface(const TarnId& id, void** out) override;
    uint32_t AddRef() override { return 1; }
    uint32_t Release() override { return 0; }

    // IBraeLinkerSections: groups, addresses and items count from 1.
    HResult GetGroupCount(int32_t* count) override;
    HResult GetAddressCount(int32_t group, int32_t* count) override;
    HResult GetAddress(int32_t group, int32_t address, WString* start, WString* end) override;
    HResult GetItemCount(int32_t group, int32_t* count) override;
    HResult GetItem(int32_t group, int32_t item, HostStringList* names) override;

private:
    const tagLinkerSectionInfo* Group(int32_t group) const;
    bool ReadGroups(IBraeLinkerSettings& settings, bool wholeText);
    bool ReadGroup(IBraeLinkerSettings& settings, int32_t group, bool wholeText,
                   tagLinkerSectionInfo& entry);
    std::string ToStoredAddress(const WString& hostText) const;
    WString ToHostAddress(const std::string& stored) const;
    bool AsksWholeText(IBraeLinkerOptions* options);
    int OfferEntries();

    IBraeHost* host_;
    IBraeValueConversion* conversion_;
    WString context1_, context2_, context3_;
    LinkerSectionRows entries_;
    // The widened address text that ToHostAddress asks the service about, reused.
    mutable WString hostText_;
    uint32_t wholeTextMode_ = 0;
    int32_t settingState_ = 0;
};
