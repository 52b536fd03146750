// The kinds of the nodes of the section setting tree and the linker capabilities that decide
// what may be typed into it. A node's kind is the index of its image in the tree's image list.
#pragma once

#include <cstdint>

enum SectionNodeKind : int {
    kNodeRoot = 0,           // "Linker section setting"
    kNodeGroup = 1,          // a section group: its address list
    kNodeSectionList = 2,    // the group's whole section list; the group's only child
    kNodeSubList = 3,        // a part holding "," or ":" that is not an overlay member
    kNodeSection = 4,        // a single section that is not an overlay member
    kNodeOverlayMember = 5,  // a part behind a ":"
};

// Bits of the linker's capability word.
inline constexpr uint32_t kCapabilityEditMode = 1;
inline constexpr uint32_t kCapabilityOverlay = 4;
inline constexpr uint32_t kCapabilityPartial = 8;
inline constexpr uint32_t kCapabilityRange = 16;
inline constexpr uint32_t kCapabilitySeveral = 32;

struct SectionCapabilities {
    bool editModeAvailable = false;
    bool overlayAllowed = false;
    bool partialAllowed = false;
    bool rangeAllowed = false;
    bool severalAllowed = false;

    static SectionCapabilities FromWord(uint32_t word) {
        return {(word & kCapabilityEditMode) != 0, (word & kCapabilityOverlay) != 0,
                (word & kCapabilityPartial) != 0, (word & kCapabilityRange) != 0,
                (word & kCapabilitySeveral) != 0};
    }
};
