// What "quillmere-cli pixel" prints: every band's value at one pixel, for people
// (plain text) or programs (JSON).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "product/spectral_profile.h"

namespace qm::cli {

// The pixel asked for (in the first band's grid), what each band holds there and
// where its centre lies when the product is georeferenced.
struct PixelReading {
    std::int32_t column = 0;
    std::int32_t line = 0;
    std::vector<ProfileEntry> bands;
    std::optional<PixelLocation> location;
};

// The pixel and its place in captioned lines, then a table of one line per band:
// index, value, radiance ("-" where unknown) and display name, the name last as
// the one column of any width. Names converted for the console; lines end in '\n'.
std::string pixelTextReport(const PixelReading& reading);

// One JSON object, no line end after it: column, line, easting and northing
// (metres) and latitude and longitude (decimal degrees, north and east positive)
// where known, and bands, a list of {index, name, value, radiance} where value and
// radiance are null when unknown. Names converted to UTF-8.
std::string pixelJsonReport(const PixelReading& reading);

}  // namespace qm::cli
