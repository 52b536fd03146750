// A bitmap held in memory: 32-bit ARGB pixels row by row; alpha 0 is transparent.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/resources/ResourceTable.h"

namespace tarnui {

class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, uint32_t fill = 0);
    explicit Bitmap(const BitmapResource& resource);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool IsEmpty() const { return width_ <= 0 || height_ <= 0; }
    uint32_t Pixel(int x, int y) const;  // 0 outside the bitmap
    void SetPixel(int x, int y, uint32_t argb);
    const std::vector<uint32_t>& Pixels() const { return pixels_; }
    // The part [x, x + width) x [y, y + height), clipped to the bitmap.
    Bitmap Crop(int x, int y, int width, int height) const;

    friend bool operator==(const Bitmap&, const Bitmap&) = default;

private:
    int width_ = 0, height_ = 0;
    std::vector<uint32_t> pixels_;
};

// The bitmap `id` of the current resource context, if there is one.
std::optional<Bitmap> LoadBitmap(int id);

}  // namespace tarnui
