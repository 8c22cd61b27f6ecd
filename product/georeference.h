// Where a scene's pixels lie on Earth, from its fast-format header: the corners of
// the geometric record fitted with an affine transform of the header's grid, and
// the map projection that turns map positions into latitude and longitude.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "geo/geotransform.h"
#include "geo/map_projection.h"
#include "product/fast_header.h"

namespace qm {

class ProductCatalog;

// Why a header's grid has no transform.
enum class GeoreferenceProblem {
    None,
    NoPictureSize,   // the header gives no pixels per line or lines per band
    NoCorners,       // a corner's easting or northing is absent, or all are 0
    CornersOffGrid,  // the four corners miss the fitted transform by more than half a pixel
};

struct Georeference {
    // The transform of the header's own grid (its pixels per line and lines per
    // band); nothing when the header is not georeferenced, `problem` says why.
    std::optional<geo::GeoTransform> transform;
    GeoreferenceProblem problem = GeoreferenceProblem::None;
    double largestMiss = 0.0;  // metres, for CornersOffGrid
    geo::MapProjectionSpec projection;
};

// The corners UL, UR, LR and LL are the centres of the corner pixels (0, 0),
// (W-1, 0), (W-1, H-1) and (0, H-1); an easting written with the zone times
// 1,000,000 in front loses it.
Georeference georeferenceOf(const FastHeader& header);

// A band's own grid on the map: its transform and its header's georeference, with
// the projection made once, for every pixel the cursor passes.
struct BandGeoreference {
    BandGeoreference(geo::GeoTransform bandTransform, Georeference headerGeoreference)
        : transform(bandTransform),
          header(std::move(headerGeoreference)),
          projection(header.projection.projection()) {}

    geo::GeoTransform transform;
    Georeference header;
    std::optional<geo::TransverseMercator> projection;
};

// Where the centre of a pixel lies: on the map of the product's projection, and in
// latitude and longitude when that projection is computed here.
struct PixelLocation {
    geo::MapPoint map;
    std::optional<geo::GeoPoint> geographic;
};

// The centre of the pixel at the column and line from 0 at the grid's top-left.
PixelLocation pixelLocation(const BandGeoreference& georeference, std::int32_t column,
                            std::int32_t line);

// The georeference of the catalogue's band: a scene band's own header's, a label
// product's bands that of its L7*_HRF.FST (the panchromatic band's doubled grid over
// the same corners). Nothing when not georeferenced.
std::optional<BandGeoreference> bandGeoreference(const ProductCatalog& catalog, int index);

// "E 281850 N 3620700  32.68945N 120.67406E": the map position of the centre of the
// pixel (column and line from 0 at the top-left) in whole metres, then its latitude
// and longitude in degrees with five decimals, where the projection is computed here.
std::string mapPositionText(const BandGeoreference& georeference, int column, int line);

}  // namespace qm
