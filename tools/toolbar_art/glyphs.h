// Hand-made pixel glyphs: one text row per pixel row, '#' for ink and anything else
// for untouched.
#pragma once

#include <string_view>
#include <vector>

namespace qm::toolbar_art {

using Glyph = std::vector<std::string_view>;

Glyph letterB();    // 5 x 7
Glyph letterL();    // 5 x 7
Glyph plusSign();   // 6 x 6, strokes two pixels thick
Glyph minusSign();  // 6 x 2

}  // namespace qm::toolbar_art
