#include "tools/toolbar_art/toolbar_bitmap.h"

#include "tools/toolbar_art/bmp_encoder.h"
#include "tools/toolbar_art/palette.h"
#include "tools/toolbar_art/toolbar_strip.h"

namespace qm::toolbar_art {

std::vector<std::uint8_t> toolbarBitmapFile() {
    return encodeBmp(drawToolbarStrip(), toolbarPalette());
}

}  // namespace qm::toolbar_art
