// The picture as a PNG file, for users who want a compressed, widely read format:
// the same pixels as the exported bitmap (8-bit grey in single-band mode, 24-bit
// colour in three-band mode), rows top-down as PNG stores them.
#pragma once

#include <string>
#include <string_view>

#include "platform/platform.h"
#include "view/image_view.h"

namespace qm::cli {

// Whether the output name asks for PNG: it ends in ".png", in any case.
bool isPngName(std::string_view path);

// Whether the PNG writer can hold the view's whole picture: it keeps the picture
// and its compressed form in memory, each under 2 GiB.
bool fitsPng(const ImageView& view);

// Writes the whole picture at full resolution, replacing the file only once the
// new one is complete. None, or why not: Other when nothing is shown, it does not
// fit or memory runs out.
platform::WriteFailure writePng(const ImageView& view, const std::string& path);

}  // namespace qm::cli
