// Button images of the toolbars: one 16 x 15 picture per command, laid side by side in the
// order of each toolbar's buttons (separators take no picture).
#include <map>

#include "src/resources/PixelArt.h"
#include "src/resources/ResourceIds.h"
#include "src/resources/ResourceParts.h"

namespace tarnres {
namespace {

constexpr int kGlyphWidth = 16;
constexpr int kGlyphHeight = 15;
constexpr uint32_t kClear = 0x00C0C0C0;

using Glyph = PixelRows<kGlyphHeight>;

// "Map...": a memory map of coloured areas.
constexpr Glyph kMapGlyph = {
    "................", ".kkkkkkkkkkkkkk.", ".kGGGGkbbbbkGGk.", ".kGGGGkbbbbkGGk.",
    ".kGGGGkbbbbkGGk.", ".kkkkkkkkkkkkkk.", ".kbbbbkGGGGkbbk.", ".kbbbbkGGGGkbbk.",
    ".kbbbbkGGGGkbbk.", ".kkkkkkkkkkkkkk.", ".kGGGGkbbbbkGGk.", ".kGGGGkbbbbkGGk.",
    ".kGGGGkbbbbkGGk.", ".kkkkkkkkkkkkkk.", "................",
};

// Show Unallocated Area: a hatched gap between two sections.
constexpr Glyph kUnallocatedGlyph = {
    "................", "...kkkkkkkkkk...", "...kbbbbbbbbk...", "...kbbbbbbbbk...",
    "...kkkkkkkkkk...", "...klwlwlwlwk...", "...kwlwlwlwlk...", "...klwlwlwlwk...",
    "...kkkkkkkkkk...", "...kbbbbbbbbk...", "...kbbbbbbbbk...", "...kkkkkkkkkk...",
    "................", "................", "................",
};

// Show No Size Section: a red line between two sections.
constexpr Glyph kNoSizeGlyph = {
    "................", "...kkkkkkkkkk...", "...kbbbbbbbbk...", "...kbbbbbbbbk...",
    "...kkkkkkkkkk...", "................", ".rrrrrrrrrrrrrr.", "................",
    "...kkkkkkkkkk...", "...kbbbbbbbbk...", "...kbbbbbbbbk...", "...kkkkkkkkkk...",
    "................", "................", "................",
};

// View Source: a source sheet with angle brackets.
constexpr Glyph kSourceGlyph = {
    "................", "..kkkkkkkkk.....", "..kwwwwwwwkk....", "..kwkkkkwwkwk...",
    "..kwwwwwwwkkkk..", "..kwkkkkkkwwwk..", "..kwwwwwwwwwwk..", "..kwkkkkkwwwwk..",
    "..kwwwwwwwwwwk..", "..kwwrwwwwrwwk..", "..kwrwwwwwwrwk..", "..kwwrwwwwrwwk..",
    "..kwwwwwwwwwwk..", "..kkkkkkkkkkkk..", "................",
};

// Print...: a printer with a sheet.
constexpr Glyph kPrintGlyph = {
    "................", "....kkkkkkk.....", "....kwwwwwk.....", "....kwkkkwk.....",
    "....kwwwwwk.....", ".kkkkkkkkkkkkkk.", "kllllllllllllllk", "kllllllllllllGlk",
    "kllllllllllllllk", "kggggggggggggggk", "kgkkkkkkkkkkkkgk", ".kkkkwwwwwwkkkk.",
    "....kwwwwwwk....", "....kkkkkkkk....", "................",
};

// Find...: a magnifying glass.
constexpr Glyph kFindGlyph = {
    "................", "....kkkkk.......", "...kwwwwwk......", "..kwwlwwwwk.....",
    "..kwlwwwwwk.....", "..kwwwwwwwk.....", "..kwwwwwwwk.....", "..kwwwwwwwk.....",
    "...kwwwwwk......", "....kkkkkYY.....", "..........YY....", "...........YY...",
    "............YY..", ".............YY.", "................",
};

// Find Next: a magnifying glass and an arrow to the right.
constexpr Glyph kFindNextGlyph = {
    "................", "...kkkkk........", "..kwwwwwk.......", ".kwwlwwwwk......",
    ".kwlwwwwwk......", ".kwwwwwwwk......", ".kwwwwwwwk......", "..kwwwwwk.......",
    "...kkkkkYY......", ".........YY.....", "............b...", ".............b..",
    "......bbbbbbbbb.", ".............b..", "............b...",
};

// Filter...: a funnel.
constexpr Glyph kFilterGlyph = {
    "................", ".kkkkkkkkkkkkkk.", ".kyyyyyyyyyyyyk.", "..kyyyyyyyyyyk..",
    "...kyyyyyyyyk...", "....kyyyyyyk....", ".....kyyyyk.....", "......kyyk......",
    "......kyyk......", "......kyyk......", "......kyyk......", "......kyyk......",
    "......kkkk......", "................", "................",
};

static_assert(IsWellFormed(kMapGlyph, kGlyphWidth) &&
              IsWellFormed(kUnallocatedGlyph, kGlyphWidth) &&
              IsWellFormed(kNoSizeGlyph, kGlyphWidth) && IsWellFormed(kSourceGlyph, kGlyphWidth) &&
              IsWellFormed(kPrintGlyph, kGlyphWidth) && IsWellFormed(kFindGlyph, kGlyphWidth) &&
              IsWellFormed(kFindNextGlyph, kGlyphWidth) && IsWellFormed(kFilterGlyph, kGlyphWidth));

const Glyph* GlyphOf(int command) {
    static const std::map<int, const Glyph*> glyphs = {
        {kCmdOpenMap, &kMapGlyph},
        {kCmdShowUnallocatedArea, &kUnallocatedGlyph},
        {kCmdShowNoSizeSection, &kNoSizeGlyph},
        {kCmdViewSource, &kSourceGlyph},
        {kCmdPrintSectionList, &kPrintGlyph},
        {kCmdPrintSymbolList, &kPrintGlyph},
        {kCmdPrintSectionTree, &kPrintGlyph},
        {kCmdPrintSectionSettingTree, &kPrintGlyph},
        {kCmdFind, &kFindGlyph},
        {kCmdFindNext, &kFindNextGlyph},
        {kCmdFilter, &kFilterGlyph},
    };
    const auto found = glyphs.find(command);
    return found == glyphs.end() ? nullptr : found->second;
}

// Copies the glyph into the strip with its top-left corner at column x; a button larger than
// the glyph keeps the rest clear, a smaller one shows its top-left part.
void Blit(const Glyph& glyph, tarnui::BitmapResource& strip, int x, int buttonWidth) {
    const std::vector<uint32_t> pixels = Paint(glyph, kClear);
    for (int row = 0; row < strip.height && row < kGlyphHeight; ++row) {
        for (int column = 0; column < buttonWidth && column < kGlyphWidth; ++column) {
            strip.pixels[static_cast<std::size_t>(row * strip.width + x + column)] =
                pixels[static_cast<std::size_t>(row * kGlyphWidth + column)];
        }
    }
}

}  // namespace

void AddToolbarBitmaps(tarnui::ResourceTable& table) {
    for (const auto& [id, toolbar] : table.toolbars) {
        int buttons = 0;
        for (int command : toolbar.commands) {
            buttons += command != 0 ? 1 : 0;
        }
        tarnui::BitmapResource strip;
        strip.id = toolbar.bitmap;
        strip.width = buttons * toolbar.buttonWidth;
        strip.height = toolbar.buttonHeight;
        strip.pixels.assign(static_cast<std::size_t>(strip.width * strip.height), kClear);
        int x = 0;
        for (int command : toolbar.commands) {
            if (command == 0) {
                continue;
            }
            if (const Glyph* glyph = GlyphOf(command)) {
                Blit(*glyph, strip, x, toolbar.buttonWidth);
            }
            x += toolbar.buttonWidth;
        }
        table.bitmaps.emplace(strip.id, std::move(strip));
    }
}

}  // namespace tarnres
