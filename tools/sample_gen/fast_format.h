// The fast format: a text header file for the product and raw band files, one byte
// per pixel, lines one after another with no framing.
#pragma once

#include <string>

#include "tools/sample_gen/scene.h"

namespace qm::sample {

// Where a reader finds the line length and line count in the header text, counting
// every line end as one character.
inline constexpr std::size_t kHeaderPixelsOffset = 842;
inline constexpr std::size_t kHeaderLinesOffset = 864;

// The header text with '\n' line ends (the file on disc has CR LF): product facts
// on fixed 80-character lines, the multispectral pixels per line and line count at
// the two offsets.
std::string fastHeaderText(int pixelsPerLine, int lines, const std::string& satellite);

// '\n' turned into CR LF, as the header stands on disc.
std::string withCrLf(const std::string& text);

// A band file: the raster's rows, top first.
std::string fastBandFile(const Raster& band);

}  // namespace qm::sample
