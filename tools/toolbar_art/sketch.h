// Shape primitives for one square picture of the strip. Coordinates are the
// picture's own: pixel (x, y) covers the unit square from (x, y) to (x + 1, y + 1),
// so a circle centred on (11.5, 11.5) is symmetric about pixel 11 and one centred on
// (12, 12) about the line between pixels 11 and 12. Nothing is drawn outside the
// picture, so a shape never spills into its neighbour.
#pragma once

#include <cstdint>

#include "tools/toolbar_art/glyphs.h"
#include "tools/toolbar_art/indexed_image.h"

namespace qm::toolbar_art {

class Sketch {
  public:
    Sketch(IndexedImage& image, int left, int size);

    void dot(int x, int y, std::uint8_t ink);
    // Both corners inclusive.
    void fillRect(int left, int top, int right, int bottom, std::uint8_t ink);
    // Pixels whose centres lie within radius of (cx, cy).
    void fillDisc(double cx, double cy, double radius, std::uint8_t ink);
    // Pixels above the centre row whose centres lie farther than inner and within
    // outer of (cx, cy): the upper half of a ring.
    void upperArc(double cx, double cy, double inner, double outer, std::uint8_t ink);
    void glyph(const Glyph& glyph, int left, int top, std::uint8_t ink);
    // The glyph's shape grown by one pixel in all eight directions, so that a glyph
    // drawn on top stands out from any background.
    void glyphHalo(const Glyph& glyph, int left, int top, std::uint8_t ink);

  private:
    // A ring's pixels on the rows above endY; a negative inner radius fills the disc.
    void ringAbove(double cx, double cy, double inner, double outer, int endY, std::uint8_t ink);

    IndexedImage& image_;
    int left_;
    int size_;
};

}  // namespace qm::toolbar_art
