// The input level mapping: how a band's pixel value becomes a display byte through
// the band's level pair, for the screen and for an exported file alike.
//
// The mapping is evaluated once per pixel value into a 256-entry table before each
// composition or export, so the pixel loops are plain table lookups.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "view/level_range.h"

namespace qm {

// The display byte of one pixel value, chosen per channel before the pixel loops.
using LevelFunction = std::uint8_t (*)(std::uint8_t pixel, LevelRange levels);

// trunc((255.0 / (high - low)) * (pixel - low)) held to 0..255. The quotient is
// formed first, so with levels 0 and 100 a pixel of 100 gives 254, not 255; levels
// 0 and 255 leave every pixel as it is. Equal levels give 0 for every pixel; high
// below low makes the factor negative, so pixels above low give 0. Any int32 pair
// is safe: the difference is taken in 64 bits and the product clamped before it
// becomes an integer.
std::uint8_t mapLevel(std::uint8_t pixel, LevelRange levels);

// 0 whatever it is given: the level function of a channel without a band.
std::uint8_t zeroLevel(std::uint8_t pixel, LevelRange levels);

// The level function's result for each of the 256 pixel values.
using LevelTable = std::array<std::uint8_t, 256>;
LevelTable levelTable(LevelFunction level, LevelRange levels);

// One line of pixels and one table per display channel: 0 red, 1 green, 2 blue.
using ChannelLines = std::array<const std::uint8_t*, 3>;
using ChannelTables = std::array<LevelTable, 3>;

// count bytes: the table's value of line[0 .. count - 1].
void mapGreyPixels(const std::uint8_t* line, const LevelTable& table, std::size_t count,
                   std::uint8_t* out);

// count pixels of three bytes, blue (channel 2), green (1), red (0), taken from the
// lines' columns first, first + step, first + 2 step, ... The display subsamples
// with step = zoom factor; an export takes every column (step 1). Every line must
// be readable at those columns: a channel without a band passes any line of the
// picture, which its zeroLevel table ignores.
void mapColourPixels(const ChannelLines& lines, const ChannelTables& tables, std::size_t first,
                     std::size_t step, std::size_t count, std::uint8_t* out);

}  // namespace qm
