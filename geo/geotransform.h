// Where a picture's pixels lie on the map: an affine transform from pixel to map
// coordinates, in the convention GIS programs exchange it: the map position of the
// top-left corner of pixel (0, 0), then the steps along a line and down a column.
#pragma once

#include <optional>
#include <vector>

#include "geo/transverse_mercator.h"

namespace qm::geo {

struct GeoTransform {
    double x0 = 0.0;  // easting of the top-left corner of pixel (0, 0)
    double dx = 0.0;  // easting step per column
    double rx = 0.0;  // easting step per line (rotation)
    double y0 = 0.0;  // northing of that corner
    double ry = 0.0;  // northing step per column (rotation)
    double dy = 0.0;  // northing step per line, negative for a north-up picture

    // The map position of a point given in pixel units from the picture's top-left
    // corner: pixel (c, l) spans c..c+1 and l..l+1.
    MapPoint at(double column, double line) const {
        return {x0 + column * dx + line * rx, y0 + column * ry + line * dy};
    }
    MapPoint centreOf(double column, double line) const { return at(column + 0.5, line + 0.5); }
    // The same area on a grid `factor` times finer (a band of twice the pixels).
    GeoTransform finer(double factor) const {
        return {x0, dx / factor, rx / factor, y0, ry / factor, dy / factor};
    }
};

// A point whose pixel position (of a pixel's centre, columns and lines counted
// from 0 at the top-left) and map position are both known.
struct TiePoint {
    double column = 0.0;
    double line = 0.0;
    MapPoint map;
};

struct TransformFit {
    GeoTransform transform;
    double largestMiss = 0.0;  // metres: the farthest point from where the fit puts it
    double pixelSize = 0.0;    // metres: the shorter of the two steps' lengths
};

// The affine transform that best fits the tie points (least squares), north-up or
// rotated alike; nothing for fewer than three points or points on one line.
std::optional<TransformFit> fitGeoTransform(const std::vector<TiePoint>& points);

}  // namespace qm::geo
