#include "geo/geotransform.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace qm::geo {
namespace {

using Vector3 = std::array<double, 3>;
using Matrix3 = std::array<Vector3, 3>;

double determinant(const Matrix3& m) {
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
           m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
           m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

// Cramer's rule: three unknowns are few enough.
std::optional<Vector3> solve(const Matrix3& m, const Vector3& b) {
    const double d = determinant(m);
    if (std::abs(d) < 1e-12 * std::max(1.0, std::abs(m[0][0] * m[1][1] * m[2][2])))
        return std::nullopt;
    Vector3 x{};
    for (int k = 0; k < 3; ++k) {
        Matrix3 replaced = m;
        for (int r = 0; r < 3; ++r)
            replaced[r][k] = b[r];
        x[k] = determinant(replaced) / d;
    }
    return x;
}

}  // namespace

std::optional<TransformFit> fitGeoTransform(const std::vector<TiePoint>& points) {
    if (points.size() < 3)
        return std::nullopt;
    // Pixel positions around the points' mean keep the normal equations well
    // conditioned for scenes far from the map's origin.
    double meanColumn = 0.0, meanLine = 0.0;
    for (const TiePoint& p : points) {
        meanColumn += p.column;
        meanLine += p.line;
    }
    meanColumn /= static_cast<double>(points.size());
    meanLine /= static_cast<double>(points.size());

    Matrix3 normal{};
    Vector3 eastings{}, northings{};
    for (const TiePoint& p : points) {
        const Vector3 row{1.0, p.column - meanColumn, p.line - meanLine};
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < 3; ++c)
                normal[r][c] += row[r] * row[c];
            eastings[r] += row[r] * p.map.easting;
            northings[r] += row[r] * p.map.northing;
        }
    }
    const std::optional<Vector3> e = solve(normal, eastings);
    const std::optional<Vector3> n = solve(normal, northings);
    if (!e || !n)
        return std::nullopt;

    TransformFit fit;
    GeoTransform& t = fit.transform;
    t.dx = (*e)[1];
    t.rx = (*e)[2];
    t.ry = (*n)[1];
    t.dy = (*n)[2];
    // The point that fits a pixel centre at the mean position is (mean + 0.5) from
    // the corner of pixel (0, 0).
    t.x0 = (*e)[0] - (meanColumn + 0.5) * t.dx - (meanLine + 0.5) * t.rx;
    t.y0 = (*n)[0] - (meanColumn + 0.5) * t.ry - (meanLine + 0.5) * t.dy;
    for (const TiePoint& p : points) {
        const MapPoint fitted = t.centreOf(p.column, p.line);
        fit.largestMiss = std::max(fit.largestMiss, std::hypot(fitted.easting - p.map.easting,
                                                               fitted.northing - p.map.northing));
    }
    fit.pixelSize = std::min(std::hypot(t.dx, t.ry), std::hypot(t.rx, t.dy));
    return fit;
}

}  // namespace qm::geo
