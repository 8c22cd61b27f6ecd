// An 8-bit Windows bitmap file of an indexed picture: a 14-byte file header, a
// 40-byte info header (uncompressed, 256 colours), the 256 palette entries as blue,
// green, red, zero, and the rows bottom first, each padded to whole 32-bit words.
// All integers little-endian.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/toolbar_art/indexed_image.h"
#include "tools/toolbar_art/palette.h"

namespace qm::toolbar_art {

inline constexpr std::uint32_t kBmpPixelOffset = 14 + 40 + 4 * 256;

std::vector<std::uint8_t> encodeBmp(const IndexedImage& image, const Palette& palette);

}  // namespace qm::toolbar_art
