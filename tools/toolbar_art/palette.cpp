#include "tools/toolbar_art/palette.h"

namespace qm::toolbar_art {

Palette toolbarPalette() {
    Palette palette{};
    palette[kBlack] = {0, 0, 0};
    palette[kWhite] = {255, 255, 255};
    palette[kButtonFace] = {192, 192, 192};
    palette[kShadow] = {128, 128, 128};
    palette[kFolderYellow] = {240, 200, 48};
    palette[kFolderLight] = {255, 232, 128};
    palette[kFolderEdge] = {144, 96, 0};
    palette[kArrowGreen] = {32, 176, 48};
    palette[kArrowEdge] = {0, 96, 16};
    palette[kDiscBlue] = {40, 96, 224};
    palette[kDiscBlueLight] = {136, 176, 255};
    palette[kDiscBlueEdge] = {0, 32, 128};
    palette[kDiscOrange] = {248, 140, 16};
    palette[kDiscOrangeLight] = {255, 200, 120};
    palette[kDiscOrangeEdge] = {160, 72, 0};
    palette[kLensGlass] = {200, 232, 255};
    palette[kMetal] = {224, 224, 224};
    palette[kHandle] = {96, 64, 32};
    return palette;
}

}  // namespace qm::toolbar_art
