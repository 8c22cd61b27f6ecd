// The toolbar bitmap's picture: six 24 x 24 pictures side by side on the button
// face grey, in the order of the toolbar's image numbers.
#pragma once

#include "tools/toolbar_art/indexed_image.h"

namespace qm::toolbar_art {

inline constexpr int kPictureSize = 24;
inline constexpr int kPictureCount = 6;

IndexedImage drawToolbarStrip();

}  // namespace qm::toolbar_art
