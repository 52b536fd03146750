// The list header's sort arrows and the tree images.
#include "src/resources/PixelArt.h"
#include "src/resources/ResourceIds.h"
#include "src/resources/ResourceParts.h"

namespace tarnres {
namespace {

// The header arrows are loaded with white as mask colour; the tree images with pure cyan.
constexpr uint32_t kClearWhite = 0x00FFFFFF;
constexpr uint32_t kClearCyan = 0x0000FFFF;

constexpr PixelRows<5> kSortAscending = {
    "....k....", "...kkk...", "..kkkkk..", ".kkkkkkk.", "kkkkkkkkk",
};

constexpr PixelRows<5> kSortDescending = {
    "kkkkkkkkk", ".kkkkkkk.", "..kkkkk..", "...kkk...", "....k....",
};

// A listing: a sheet with lines of text.
constexpr PixelRows<16> kLinkMapList = {
    "................", "..kkkkkkkkk.....", "..kwwwwwwwkk....", "..kwwwwwwwkwk...",
    "..kwbbbbwwkkkk..", "..kwwwwwwwwwwk..", "..kwbbbbbbbbwk..", "..kwwwwwwwwwwk..",
    "..kwbbbbbbwwwk..", "..kwwwwwwwwwwk..", "..kwbbbbbbbbwk..", "..kwwwwwwwwwwk..",
    "..kwbbbbbwwwwk..", "..kwwwwwwwwwwk..", "..kkkkkkkkkkkk..", "................",
};

// A placed section: a green block of memory.
constexpr PixelRows<16> kSection = {
    "................", "................", "................", "................",
    ".kkkkkkkkkkkkkk.", ".kGGGGGGGGGGGGk.", ".kGwwGGGGGGGGGk.", ".kGGGGGGGGGGGGk.",
    ".kGGGGGGGGGGGGk.", ".kGGGGGGGGGGGGk.", ".kkkkkkkkkkkkkk.", "................",
    "................", "................", "................", "................",
};

// The linker's settings: a chip with pins.
constexpr PixelRows<16> kSettingRoot = {
    "................", "...k.k.k.k.k.k..", "..kkkkkkkkkkkk..", "..kggggggggggk..",
    "..kgBBBBBBBBgk..", "..kgBwwBBBBBgk..", "..kgBBBBBBBBgk..", "..kgBBBBBBBBgk..",
    "..kgBBBBBBBBgk..", "..kgBBBBBBBBgk..", "..kggggggggggk..", "..kkkkkkkkkkkk..",
    "...k.k.k.k.k.k..", "................", "................", "................",
};

// A section group: a folder.
constexpr PixelRows<16> kSectionGroup = {
    "................", "................", ".kkkkk..........", "kyyyyyk.........",
    "kyyyyyykkkkkkkkk", "kyyyyyyyyyyyyyYk", "kyyyyyyyyyyyyyYk", "kyyyyyyyyyyyyyYk",
    "kyyyyyyyyyyyyyYk", "kyyyyyyyyyyyyyYk", "kyyyyyyyyyyyyyYk", "kyyyyyyyyyyyyyYk",
    "kYYYYYYYYYYYYYYk", ".kkkkkkkkkkkkkk.", "................", "................",
};

// The section list of a group: a list with bullets.
constexpr PixelRows<16> kSectionListNode = {
    "................", ".kkkkkkkkkkkkkk.", ".kwwwwwwwwwwwwk.", ".kwbbwkkkkkkwwk.",
    ".kwbbwwwwwwwwwk.", ".kwwwwwwwwwwwwk.", ".kwbbwkkkkkkkwk.", ".kwbbwwwwwwwwwk.",
    ".kwwwwwwwwwwwwk.", ".kwbbwkkkkkwwwk.", ".kwbbwwwwwwwwwk.", ".kwwwwwwwwwwwwk.",
    ".kwbbwkkkkkkwwk.", ".kwbbwwwwwwwwwk.", ".kwwwwwwwwwwwwk.", ".kkkkkkkkkkkkkk.",
};

// A sub-list: two sections in parentheses.
constexpr PixelRows<16> kSubList = {
    "................", "................", "................", "...kk......kk...",
    "..k..........k..", ".k............k.", ".k.kkkk..kkkk.k.", ".k.kbbk..kbbk.k.",
    ".k.kbbk..kbbk.k.", ".k.kkkk..kkkk.k.", ".k............k.", "..k..........k..",
    "...kk......kk...", "................", "................", "................",
};

// A single section: a small blue block.
constexpr PixelRows<16> kSingleSection = {
    "................", "................", "................", "................",
    "...kkkkkkkkkk...", "...kbbbbbbbbk...", "...kbwwbbbbbk...", "...kbbbbbbbbk...",
    "...kbbbbbbbbk...", "...kBBBBBBBBk...", "...kkkkkkkkkk...", "................",
    "................", "................", "................", "................",
};

// An overlay member: a block placed over another one.
constexpr PixelRows<16> kOverlayMember = {
    "................", "..kkkkkkkkk.....", "..klllllllk.....", "..klllllllk.....",
    "..klllllllk.....", "..kllkkkkkkkkkk.", "..kllkooooooook.", "..kllkooooooook.",
    "..kllkooooooook.", "..kkkkooooooook.", ".....kooooooook.", ".....kooooooook.",
    ".....kYYYYYYYYk.", ".....kkkkkkkkkk.", "................", "................",
};

static_assert(IsWellFormed(kSortAscending, 9) && IsWellFormed(kSortDescending, 9));
static_assert(IsWellFormed(kLinkMapList, 16) && IsWellFormed(kSection, 16) &&
              IsWellFormed(kSettingRoot, 16) && IsWellFormed(kSectionGroup, 16) &&
              IsWellFormed(kSectionListNode, 16) && IsWellFormed(kSubList, 16) &&
              IsWellFormed(kSingleSection, 16) && IsWellFormed(kOverlayMember, 16));

template <std::size_t Rows>
void Add(tarnui::ResourceTable& table, int id, const PixelRows<Rows>& rows, uint32_t clear) {
    tarnui::BitmapResource bitmap;
    bitmap.id = id;
    bitmap.width = static_cast<int>(rows[0].size());
    bitmap.height = static_cast<int>(Rows);
    bitmap.pixels = Paint(rows, clear);
    table.bitmaps.emplace(id, std::move(bitmap));
}

}  // namespace

void AddBitmaps(tarnui::ResourceTable& table) {
    Add(table, kBmpSortAscending, kSortAscending, kClearWhite);
    Add(table, kBmpSortDescending, kSortDescending, kClearWhite);
    Add(table, kBmpLinkMapList, kLinkMapList, kClearCyan);
    Add(table, kBmpSection, kSection, kClearCyan);
    Add(table, kBmpSettingRoot, kSettingRoot, kClearCyan);
    Add(table, kBmpSectionGroup, kSectionGroup, kClearCyan);
    Add(table, kBmpSectionListNode, kSectionListNode, kClearCyan);
    Add(table, kBmpSubList, kSubList, kClearCyan);
    Add(table, kBmpSingleSection, kSingleSection, kClearCyan);
    Add(table, kBmpOverlayMember, kOverlayMember, kClearCyan);
}

}  // namespace tarnres
