// The toolbar's colours. The four greys and black and white come first with the
// values that the toolbar swaps for the system's button colours; the rest are the
// pictures' own inks. Unused entries of the 256 stay black.
#pragma once

#include <array>
#include <cstdint>

namespace qm::toolbar_art {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

using Palette = std::array<Rgb, 256>;

// Palette indices of the inks the pictures use.
enum Ink : std::uint8_t {
    kBlack,
    kWhite,
    kButtonFace,  // the background: (192, 192, 192)
    kShadow,      // (128, 128, 128)
    kFolderYellow,
    kFolderLight,
    kFolderEdge,
    kArrowGreen,
    kArrowEdge,
    kDiscBlue,
    kDiscBlueLight,
    kDiscBlueEdge,
    kDiscOrange,
    kDiscOrangeLight,
    kDiscOrangeEdge,
    kLensGlass,
    kMetal,
    kHandle,
};

Palette toolbarPalette();

}  // namespace qm::toolbar_art
