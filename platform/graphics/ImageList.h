// A list of images of one size, as tree and list controls use for item icons and header
// images. Adding a bitmap cuts it into images side by side; a masked list makes the pixels
// of the mask colour transparent.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Color.h"

namespace tarnui {

class ImageList {
public:
    ImageList() = default;
    // `initial` images of room, growing by `grow` (at least 1) when full.
    bool Create(int cx, int cy, bool masked, int initial, int grow);
    bool IsCreated() const { return cx_ > 0 && cy_ > 0; }

    int ImageWidth() const { return cx_; }
    int ImageHeight() const { return cy_; }
    bool IsMasked() const { return masked_; }
    int Count() const { return static_cast<int>(images_.size()); }
    int Capacity() const { return capacity_; }

    // Adds the images of `bitmap` (its width / image width of them, at least one when it
    // is narrower); returns the index of the first, or -1 when the list is not created or
    // the bitmap is empty. In a masked list, pixels equal to `mask` (0x00BBGGRR) become
    // transparent.
    int Add(const Bitmap& bitmap, Color mask = 0);
    bool Replace(int index, const Bitmap& bitmap);
    bool Remove(int index);  // -1 removes all
    const Bitmap* Image(int index) const;

private:
    void Reserve(int needed);

    int cx_ = 0, cy_ = 0;
    bool masked_ = false;
    int grow_ = 1;
    int capacity_ = 0;
    std::vector<Bitmap> images_;
};

}  // namespace tarnui
