// What changed in a window or control, as bits handed to the backend (Backend::WindowChanged)
// so that it redraws only that. Every change also advances the window's revision
// (Window::Revision), which a backend compares to know whether its copy is stale; for the
// rows of large lists that number is all it needs.
#pragma once

#include <cstdint>

namespace tarnui {

enum ChangeBits : uint32_t {
    kChangeCreated = 1u << 0,
    kChangeText = 1u << 1,  // the window text
    kChangeGeometry = 1u << 2,
    kChangeShown = 1u << 3,
    kChangeEnabled = 1u << 4,
    kChangeFocus = 1u << 5,          // gained or lost the focus
    kChangeItemsInserted = 1u << 6,  // rows or tree items
    kChangeItemsRemoved = 1u << 7,
    kChangeItemsChanged = 1u << 8,  // texts, data, checks of items; a repaint request
    kChangeSelection = 1u << 9,     // selection, focus item, drop highlight, current item
    kChangeExpansion = 1u << 10,
    kChangeScroll = 1u << 11,
    kChangeColumns = 1u << 12,     // columns, widths, order, header
    kChangeImages = 1u << 13,      // image lists and item or header images
    kChangeAppearance = 1u << 14,  // style bits, colours, fonts
};

}  // namespace tarnui
