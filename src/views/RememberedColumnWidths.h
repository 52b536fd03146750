// Columns that keep their width while hidden, for the list and tree controls of the Map views.
// A hidden column has width 0; the width it had before stays remembered, so that showing it
// again, or saving the layout (as minus that width), can use it.
#pragma once

#include <cstdint>
#include <vector>

#include "src/views/ColumnLayout.h"

// `Control` is the platform control: GetColumnCount, GetColumnWidth, SetColumnWidth.
template <class Control>
class RememberedColumnWidths : public Control {
public:
    // Setting a width above 0 also remembers it.
    bool SetColumnWidth(int column, int width) {
        if (!Control::SetColumnWidth(column, width)) {
            return false;
        }
        if (width > 0) {
            SetRememberedWidth(column, static_cast<uint32_t>(width));
        }
        return true;
    }
    bool IsColumnShown(int column) const { return this->GetColumnWidth(column) != 0; }
    // The width before the column was hidden, or its width while it is shown.
    uint32_t RememberedWidth(int column) const {
        const int width = this->GetColumnWidth(column);
        if (width > 0) {
            return static_cast<uint32_t>(width);
        }
        return IsKnown(column) ? remembered_[column] : 0;
    }
    void SetRememberedWidth(int column, uint32_t width) {
        if (IsKnown(column)) {
            remembered_[column] = width;
        }
    }
    // A value of a saved layout: above 0 a width, otherwise a hidden column.
    void ApplySavedColumnValue(int column, int32_t value) {
        ::ApplySavedColumnValue(*this, column, value);
    }

protected:
    explicit RememberedColumnWidths(int columns = 0) : remembered_(columns, 0) {}

    // Keeps the entries in step with the control's columns.
    void RememberInsertedColumn(int column) {
        remembered_.insert(remembered_.begin() + column,
                           static_cast<uint32_t>(Control::GetColumnWidth(column)));
    }
    void ForgetDeletedColumn(int column) { remembered_.erase(remembered_.begin() + column); }

    // Hides a shown column, remembering its width, or shows a hidden one again at its
    // remembered width (`fallbackWidth` when it has none).
    void ToggleColumnWidth(int column, int fallbackWidth) {
        if (IsColumnShown(column)) {
            SetRememberedWidth(column, static_cast<uint32_t>(this->GetColumnWidth(column)));
            Control::SetColumnWidth(column, 0);
        } else {
            const uint32_t width = RememberedWidth(column);
            SetColumnWidth(column, width > 0 ? static_cast<int>(width) : fallbackWidth);
        }
    }

private:
    bool IsKnown(int column) const {
        return column >= 0 && column < static_cast<int>(remembered_.size());
    }

    std::vector<uint32_t> remembered_;
};
