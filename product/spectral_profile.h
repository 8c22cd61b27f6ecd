// Every band's value at one place of the picture: the spectral profile, and where
// that place lies on Earth. The place is a pixel of a reference band; a band of
// another size is read at the same place of its own grid.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "product/georeference.h"

namespace qm {

class ProductCatalog;

struct ProfileEntry {
    int bandIndex = 0;
    std::string name;         // the band's display name, program text
    std::int32_t column = 0;  // where the band was read, in its own grid
    std::int32_t line = 0;
    std::optional<std::uint8_t> value;  // nothing when the band cannot be read there
    // bias + gain x value, when the headers calibrate the band and the value is known.
    std::optional<double> radiance;
};

// One entry per band of the catalogue, in catalogue order, none of them loaded for
// it. The column and line count from 0 at the top-left of the reference band; a band
// of width W is read at column x W / the reference band's width, rounded down, and
// likewise for lines, so a band twice as fine is read at twice the column and line.
// Empty when the reference band does not exist or does not hold the pixel.
std::vector<ProfileEntry> spectralProfile(const ProductCatalog& catalog, int referenceBand,
                                          std::int32_t column, std::int32_t line);

// The centre of the band's pixel (column and line from 0 at its top-left); nothing
// when the band is not georeferenced.
std::optional<PixelLocation> pixelLocation(const ProductCatalog& catalog, int band,
                                           std::int32_t column, std::int32_t line);

}  // namespace qm
