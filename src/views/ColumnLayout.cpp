#include "src/views/ColumnLayout.h"

std::string ColumnWidthKey(int column) {
    return "ColWidth" + std::to_string(column);
}
