// The records of the linker's section placement settings: one placement group as the host
// keeps it, and the tree node in which the section setting editor holds a split section text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One placement group: its start addresses, the parallel end addresses (an empty string where
// an address has no end) and its section text ("P,Q:R", or the linker's whole text).
struct tagLinkerSectionInfo {
    std::vector<std::string> startAddresses;
    std::vector<std::string> endAddresses;
    std::string sections;

    friend bool operator==(const tagLinkerSectionInfo&, const tagLinkerSectionInfo&) = default;
};

// One part of a group's section text after splitting. Children are held by value and die with
// their node.
class CLinkerSubSectionGroup {
public:
    CLinkerSubSectionGroup();
    CLinkerSubSectionGroup(std::string text, uint32_t overlay);
    CLinkerSubSectionGroup(const CLinkerSubSectionGroup&) = default;
    CLinkerSubSectionGroup(CLinkerSubSectionGroup&&) noexcept = default;
    CLinkerSubSectionGroup& operator=(const CLinkerSubSectionGroup&) = default;
    CLinkerSubSectionGroup& operator=(CLinkerSubSectionGroup&&) noexcept = default;
    virtual ~CLinkerSubSectionGroup();

    std::string text;
    uint32_t overlay = 0;  // 1 when this part stands behind a ":" (an overlay member)
    std::vector<CLinkerSubSectionGroup> children;
};
