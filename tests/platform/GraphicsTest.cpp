#include <gtest/gtest.h>

#include "platform/graphics/Color.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/ImageList.h"

namespace tarnui {
namespace {

TEST(SysColors, NamedTableWithDefaultsThatCanBeReplaced) {
    for (int i = 0; i < kSysColorCount; ++i) {
        EXPECT_EQ(FindSysColor(SysColorName(i)), i) << "names are unique: " << i;
    }
    EXPECT_EQ(FindSysColor("Window"), -1) << "names compare exactly";
    EXPECT_EQ(GetSysColor(kColorWindow), 0xFFFFFFu);
    EXPECT_EQ(GetSysColor(kColorWindowText), 0x000000u);
    EXPECT_EQ(GetSysColor(kColorHighlight), 0xD77800u) << "0x00BBGGRR";
    SetSysColor(kColorWindow, 0x123456);
    EXPECT_EQ(GetSysColor(kColorWindow), 0x123456u);
    ResetSysColors();
    EXPECT_EQ(GetSysColor(kColorWindow), 0xFFFFFFu);
    EXPECT_EQ(GetSysColor(-1), 0u);
    EXPECT_EQ(GetSysColor(kSysColorCount), 0u);
}

TEST(Fonts, FixedCellMetricsAndExtents) {
    const Font courier{"Courier New", 11, 8};
    const TextMetrics tm = GetTextMetrics(courier);
    EXPECT_EQ(tm.height, 11);
    EXPECT_EQ(tm.averageCharWidth, 8);
    EXPECT_EQ(tm.ascent + tm.descent, tm.height);
    EXPECT_EQ(GetTextExtent(courier, "Section"), (Size{56, 11}));
    EXPECT_EQ(GetTextExtent(courier, "Größe"), (Size{40, 11})) << "characters, not bytes";
    EXPECT_EQ(GetTextMetrics(Font{"x", -20, 0}).averageCharWidth, 10) << "width from height";
    EXPECT_EQ(GetTextMetrics(Font{"x", 0, 0}).height, kDefaultFontHeight);
}

Bitmap Strip(int images, int cx, int cy) {
    Bitmap b(images * cx, cy);
    for (int i = 0; i < images; ++i) {
        for (int y = 0; y < cy; ++y) {
            for (int x = 0; x < cx; ++x) {
                b.SetPixel(i * cx + x, y, 0xFF000000u | static_cast<uint32_t>(i + 1));
            }
        }
    }
    return b;
}

TEST(ImageLists, AddCutsStripsAndGrowsInSteps) {
    ImageList list;
    EXPECT_EQ(list.Add(Strip(1, 16, 16)), -1) << "not created";
    ASSERT_TRUE(list.Create(16, 15, false, 2, 3));
    EXPECT_EQ(list.Add(Strip(3, 16, 15)), 0);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Capacity(), 5) << "2, then one step of 3";
    EXPECT_EQ(list.Add(Strip(2, 16, 15)), 3);
    EXPECT_EQ(list.Image(2)->Pixel(0, 0), 0xFF000003u);
    EXPECT_EQ(list.Image(4)->Pixel(15, 14), 0xFF000002u);
    EXPECT_EQ(list.Image(5), nullptr);
    EXPECT_TRUE(list.Remove(0));
    EXPECT_EQ(list.Image(0)->Pixel(0, 0), 0xFF000002u);
    EXPECT_TRUE(list.Remove(-1));
    EXPECT_EQ(list.Count(), 0);
}

TEST(ImageLists, MaskColourBecomesTransparentOnlyInMaskedLists) {
    Bitmap b(2, 1);
    b.SetPixel(0, 0, 0xFFFF00FFu);  // magenta, ARGB
    b.SetPixel(1, 0, 0xFF0000FFu);  // blue
    ImageList masked, plain;
    ASSERT_TRUE(masked.Create(2, 1, true, 1, 1));
    ASSERT_TRUE(plain.Create(2, 1, false, 1, 1));
    masked.Add(b, Rgb(0xFF, 0x00, 0xFF));
    plain.Add(b, Rgb(0xFF, 0x00, 0xFF));
    EXPECT_EQ(masked.Image(0)->Pixel(0, 0), 0u);
    EXPECT_EQ(masked.Image(0)->Pixel(1, 0), 0xFF0000FFu);
    EXPECT_EQ(plain.Image(0)->Pixel(0, 0), 0xFFFF00FFu);
}

TEST(Bitmaps, ShortResourcePixelDataIsPaddedNotOverread) {
    BitmapResource r{1, 3, 2, {1, 2}};
    Bitmap b(r);
    EXPECT_EQ(b.Pixel(1, 0), 2u);
    EXPECT_EQ(b.Pixel(2, 1), 0u);
    EXPECT_EQ(b.Crop(1, 0, 10, 10).Width(), 2);
}

}  // namespace
}  // namespace tarnui
