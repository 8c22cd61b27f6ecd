// What a window shows: its client area copied from the window's device context
// while it is on screen.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace qm::test {

class WindowPixels {
  public:
    explicit WindowPixels(HWND window);

    int width() const { return width_; }
    int height() const { return height_; }
    // The colour at client coordinates, as RGB(red, green, blue).
    COLORREF at(int x, int y) const;
    // True when every pixel of the rectangle (right and bottom outside) has the colour.
    bool allOf(COLORREF colour, int left, int top, int right, int bottom) const;
    // How many pixels of the rectangle have the colour.
    int countOf(COLORREF colour, int left, int top, int right, int bottom) const;

  private:
    int width_ = 0;
    int height_ = 0;
    // Top-down rows of 32-bit blue, green, red, unused.
    std::vector<std::uint32_t> pixels_;
};

}  // namespace qm::test
