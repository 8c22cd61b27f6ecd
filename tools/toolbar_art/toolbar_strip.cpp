#include "tools/toolbar_art/toolbar_strip.h"

#include <array>

#include "tools/toolbar_art/palette.h"
#include "tools/toolbar_art/pictures.h"

namespace qm::toolbar_art {

IndexedImage drawToolbarStrip() {
    using Draw = void (*)(Sketch&);
    // Image numbers 0 to 5 as the toolbar's buttons refer to them.
    const std::array<Draw, kPictureCount> pictures = {
        drawOpenFolder, drawFloppyDisk, drawBandDisc, drawLevelDisc, drawZoomIn, drawZoomOut,
    };
    IndexedImage strip(kPictureSize * kPictureCount, kPictureSize, kButtonFace);
    for (int index = 0; index < kPictureCount; ++index) {
        Sketch sketch(strip, index * kPictureSize, kPictureSize);
        pictures[index](sketch);
    }
    return strip;
}

}  // namespace qm::toolbar_art
