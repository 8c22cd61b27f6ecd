#include "tools/toolbar_art/indexed_image.h"

#include <cstddef>

namespace qm::toolbar_art {

IndexedImage::IndexedImage(int width, int height, std::uint8_t fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), fill) {}

std::uint8_t IndexedImage::at(int x, int y) const {
    return pixels_[static_cast<std::size_t>(y * width_ + x)];
}

void IndexedImage::set(int x, int y, std::uint8_t index) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    pixels_[static_cast<std::size_t>(y * width_ + x)] = index;
}

}  // namespace qm::toolbar_art
