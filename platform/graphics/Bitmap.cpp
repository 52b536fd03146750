#include "platform/graphics/Bitmap.h"

#include <algorithm>

#include "platform/resources/ResourceContext.h"

namespace tarnui {

Bitmap::Bitmap(int width, int height, uint32_t fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * height_, fill) {}

Bitmap::Bitmap(const BitmapResource& resource) : Bitmap(resource.width, resource.height) {
    // A resource whose pixel array is short leaves the rest transparent rather than reading past
    // it.
    const size_t n = std::min(pixels_.size(), resource.pixels.size());
    std::copy_n(resource.pixels.begin(), n, pixels_.begin());
}

uint32_t Bitmap::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return 0;
    }
    return pixels_[static_cast<size_t>(y) * width_ + x];
}

void Bitmap::SetPixel(int x, int y, uint32_t argb) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
        pixels_[static_cast<size_t>(y) * width_ + x] = argb;
    }
}

Bitmap Bitmap::Crop(int x, int y, int width, int height) const {
    const int x0 = std::clamp(x, 0, width_), y0 = std::clamp(y, 0, height_);
    const int x1 = std::clamp(x + width, x0, width_), y1 = std::clamp(y + height, y0, height_);
    Bitmap out(x1 - x0, y1 - y0);
    for (int row = y0; row < y1; ++row) {
        for (int col = x0; col < x1; ++col) {
            out.SetPixel(col - x0, row - y0, Pixel(col, row));
        }
    }
    return out;
}

std::optional<Bitmap> LoadBitmap(int id) {
    const BitmapResource* res = FindBitmapResource(id);
    if (res == nullptr) {
        return std::nullopt;
    }
    return Bitmap(*res);
}

}  // namespace tarnui
