// The text that names the pixel under the cursor and the shown bands' values there,
// in ASCII: "X 12  Y 34  V 56" for a grey picture, "X 12  Y 34  R 1 G 2 B -" for a
// colour one. Column and line count from 0 at the picture's top-left corner.
#pragma once

#include <optional>
#include <string>

#include "view/source_pixel.h"

namespace qm {

class ImageView;

// Empty when there is no pixel or the view shows no band. A channel without a band,
// or whose band is too small to hold the pixel's index, shows "-": the composition
// draws black there and reads nothing.
std::string pixelReadout(const ImageView& view, const std::optional<SourcePixel>& pixel);

}  // namespace qm
