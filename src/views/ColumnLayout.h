// Column layouts of the list and tree controls: each column's width, a hidden column (width 0)
// being kept as minus the width it had before it was hidden. The layout is saved under a
// window class name in the profile service, one key "ColWidth" + column per column, and is
// shared by all windows of that class.
#pragma once

#include <climits>
#include <cstdint>
#include <string>

#include "platform/text/Utf.h"
#include "src/shell/HostInterfaces.h"

// "ColWidth" followed by the column number in decimal.
std::string ColumnWidthKey(int column);

// How a control keeps its columns: GetColumnCount, GetColumnWidth, SetColumnWidth,
// RememberedWidth and SetRememberedWidth.
template <class Ctrl>
int32_t SavedColumnValue(const Ctrl& ctrl, int column) {
    const int width = ctrl.GetColumnWidth(column);
    return width != 0 ? width : -static_cast<int32_t>(ctrl.RememberedWidth(column));
}

// A value above 0 becomes the width and the remembered width; 0 or below hides the column
// and remembers minus the value.
template <class Ctrl>
void ApplySavedColumnValue(Ctrl& ctrl, int column, int32_t value) {
    if (value > 0) {
        ctrl.SetColumnWidth(column, value);
        ctrl.SetRememberedWidth(column, static_cast<uint32_t>(value));
    } else {
        ctrl.SetColumnWidth(column, 0);
        ctrl.SetRememberedWidth(column, value == INT32_MIN ? static_cast<uint32_t>(INT32_MAX)
                                                           : static_cast<uint32_t>(-value));
    }
}

// Writes the layout; nothing for fewer than 2 columns. `minusOneIsThirty`: lists store a
// value of -1 as 30.
template <class Ctrl>
void SaveColumnLayoutTo(IBraeProfile* profile, const std::string& section, const Ctrl& ctrl,
                        bool minusOneIsThirty) {
    if (profile == nullptr || ctrl.GetColumnCount() < 2) {
        return;
    }
    const WString wideSection = tarnui::Utf8ToUtf16(section);
    for (int c = 0; c < ctrl.GetColumnCount(); ++c) {
        int32_t value = SavedColumnValue(ctrl, c);
        if (minusOneIsThirty && value == -1) {
            value = 30;
        }
        profile->WriteNumber(wideSection, tarnui::Utf8ToUtf16(ColumnWidthKey(c)), value);
    }
}

// Reads the layout back; a column without a stored value keeps its width. Nothing for fewer
// than 2 columns.
template <class Ctrl>
void RestoreColumnLayoutFrom(IBraeProfile* profile, const std::string& section, Ctrl& ctrl,
                             bool minusOneIsThirty) {
    if (profile == nullptr || ctrl.GetColumnCount() < 2) {
        return;
    }
    const WString wideSection = tarnui::Utf8ToUtf16(section);
    for (int c = 0; c < ctrl.GetColumnCount(); ++c) {
        int32_t value = ctrl.GetColumnWidth(c);
        int32_t stored = value;
        if (Succeeded(profile->ReadNumber(wideSection, tarnui::Utf8ToUtf16(ColumnWidthKey(c)),
                                          &stored))) {
            value = stored;
        }
        if (minusOneIsThirty && value == -1) {
            value = 30;
        }
        ctrl.ApplySavedColumnValue(c, value);
    }
}
