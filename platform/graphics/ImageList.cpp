#include "platform/graphics/ImageList.h"

#include <algorithm>

namespace tarnui {

bool ImageList::Create(int cx, int cy, bool masked, int initial, int grow) {
    if (cx <= 0 || cy <= 0) {
        return false;
    }
    cx_ = cx;
    cy_ = cy;
    masked_ = masked;
    grow_ = std::max(grow, 1);
    capacity_ = std::max(initial, 0);
    images_.clear();
    return true;
}

void ImageList::Reserve(int needed) {
    while (capacity_ < needed) {
        capacity_ += grow_;
    }
}

namespace {
// Pixels are ARGB; the mask is 0x00BBGGRR.
uint32_t ToArgb(Color c) {
    return 0xFF000000u | (static_cast<uint32_t>(RedOf(c)) << 16) |
           (static_cast<uint32_t>(GreenOf(c)) << 8) | BlueOf(c);
}
}  // namespace

int ImageList::Add(const Bitmap& bitmap, Color mask) {
    if (!IsCreated() || bitmap.IsEmpty()) {
        return -1;
    }
    const int first = Count();
    const int n = std::max(1, bitmap.Width() / cx_);
    Reserve(first + n);
    const uint32_t maskArgb = ToArgb(mask) & 0x00FFFFFF;
    for (int i = 0; i < n; ++i) {
        Bitmap image(cx_, cy_);
        for (int y = 0; y < cy_; ++y) {
            for (int x = 0; x < cx_; ++x) {
                uint32_t p = bitmap.Pixel(i * cx_ + x, y);
                if (masked_ && (p & 0x00FFFFFF) == maskArgb) {
                    p = 0;
                }
                image.SetPixel(x, y, p);
            }
        }
        images_.push_back(std::move(image));
    }
    return first;
}

bool ImageList::Replace(int index, const Bitmap& bitmap) {
    if (index < 0 || index >= Count()) {
        return false;
    }
    images_[index] = bitmap.Crop(0, 0, cx_, cy_);
    if (images_[index].Width() != cx_ || images_[index].Height() != cy_) {
        Bitmap padded(cx_, cy_);
        for (int y = 0; y < images_[index].Height(); ++y) {
            for (int x = 0; x < images_[index].Width(); ++x) {
                padded.SetPixel(x, y, images_[index].Pixel(x, y));
            }
        }
        images_[index] = std::move(padded);
    }
    return true;
}

bool ImageList::Remove(int index) {
    if (index == -1) {
        images_.clear();
        return true;
    }
    if (index < 0 || index >= Count()) {
        return false;
    }
    images_.erase(images_.begin() + index);
    return true;
}

const Bitmap* ImageList::Image(int index) const {
    return index >= 0 && index < Count() ? &images_[index] : nullptr;
}

}  // namespace tarnui
