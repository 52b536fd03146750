#include "src/data/LinkMapRowOrder.h"

#include <string_view>

namespace linkmap {
namespace {

// Byte-wise, case-sensitive.
int CompareText(std::string_view a, std::string_view b) {
    const int result = a.compare(b);
    return (result > 0) - (result < 0);
}

int CompareNumber(uint32_t a, uint32_t b) {
    return (a > b) - (a < b);
}

int Directed(int result, int32_t direction) {
    return direction == 1 ? -result : result;
}

}  // namespace

int CompareSectionRows(const tagLinkMapSectionInfo& a, const tagLinkMapSectionInfo& b,
                       int32_t column, int32_t direction) {
    int result = 0;
    switch (column) {
        case 0:
            result = CompareText(a.name, b.name);
            break;
        case 1:
            result = CompareNumber(a.startAddress, b.startAddress);
            break;
        case 2:
            result = CompareNumber(ComputedEnd(a.startAddress, a.size),
                                   ComputedEnd(b.startAddress, b.size));
            break;
        case 3:
            result = CompareNumber(a.size, b.size);
            break;
        case 4:
            result = CompareText(a.overlay, b.overlay);
            break;
        default:
            break;
    }
    return Directed(result, direction);
}

int CompareSymbolRows(const tagLinkMapSymbolInfo& a, const tagLinkMapSymbolInfo& b, int32_t column,
                      int32_t direction) {
    int result = 0;
    switch (column) {
        case 0:
            result = CompareText(a.name, b.name);
            break;
        case 1:
            result = CompareNumber(a.address, b.address);
            break;
        case 2:
            result = CompareNumber(ComputedEnd(a.address, a.size), ComputedEnd(b.address, b.size));
            break;
        case 3:
            result = CompareNumber(a.size, b.size);
            break;
        case 4:
            result = CompareText(a.attribute, b.attribute);
            break;
        case 5:
            result = CompareText(a.scope, b.scope);
            break;
        case 6:
            result = CompareText(a.section, b.section);
            break;
        case 7:
            result = CompareText(a.file, b.file);
            break;
        default:
            break;
    }
    return Directed(result, direction);
}

}  // namespace linkmap
