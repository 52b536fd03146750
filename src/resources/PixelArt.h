// Small images written as rows of characters, one character per pixel. The palette keys are
// fixed; '.' is transparent. Images are checked at compile time (IsWellFormed), so a row of
// the wrong length or an unknown key never reaches the table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tarnres {

// ARGB colour of a palette key; 0 for '.' and for keys not in the palette.
constexpr uint32_t PaletteColour(char key) {
    switch (key) {
        case 'k':
            return 0xFF000000;  // black
        case 'w':
            return 0xFFFFFFFF;  // white
        case 'g':
            return 0xFF808080;  // grey
        case 'l':
            return 0xFFC0C0C0;  // light grey
        case 'b':
            return 0xFF3070D0;  // blue
        case 'B':
            return 0xFF102080;  // dark blue
        case 'y':
            return 0xFFF0D050;  // yellow
        case 'Y':
            return 0xFFB08810;  // dark yellow
        case 'r':
            return 0xFFD02828;  // red
        case 'G':
            return 0xFF209040;  // green
        case 'c':
            return 0xFF108080;  // teal
        case 'o':
            return 0xFFF08820;  // orange
        default:
            return 0;
    }
}

constexpr bool IsPaletteKey(char key) {
    return key == '.' || PaletteColour(key) != 0;
}

template <std::size_t Rows>
using PixelRows = std::array<std::string_view, Rows>;

template <std::size_t Rows>
consteval bool IsWellFormed(const PixelRows<Rows>& rows, std::size_t width) {
    for (std::string_view row : rows) {
        if (row.size() != width) {
            return false;
        }
        for (char key : row) {
            if (!IsPaletteKey(key)) {
                return false;
            }
        }
    }
    return true;
}

// The pixels of the rows, row by row; '.' becomes the given transparent value (alpha 0).
template <std::size_t Rows>
std::vector<uint32_t> Paint(const PixelRows<Rows>& rows, uint32_t transparent) {
    std::vector<uint32_t> pixels;
    for (std::string_view row : rows) {
        for (char key : row) {
            pixels.push_back(key == '.' ? transparent : PaletteColour(key));
        }
    }
    return pixels;
}

}  // namespace tarnres
