// A picture of palette indices, one byte per pixel, rows top first. Drawing outside
// the picture is ignored, so shapes may overhang its edges.
#pragma once

#include <cstdint>
#include <vector>

namespace qm::toolbar_art {

class IndexedImage {
  public:
    IndexedImage(int width, int height, std::uint8_t fill);

    int width() const { return width_; }
    int height() const { return height_; }
    std::uint8_t at(int x, int y) const;
    void set(int x, int y, std::uint8_t index);

  private:
    int width_;
    int height_;
    std::vector<std::uint8_t> pixels_;
};

}  // namespace qm::toolbar_art
