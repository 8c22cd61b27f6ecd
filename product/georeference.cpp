#include "product/georeference.h"

#include <cmath>
#include <cstdio>

#include "product/product_catalog.h"

namespace qm {
namespace {

constexpr double kZonePrefix = 1000000.0;

// "54291614.110" is zone 54's easting 291614.110.
double withoutZonePrefix(double easting, std::optional<int> zone) {
    if (!zone || *zone == 0 || easting < kZonePrefix)
        return easting;
    const double prefix = std::floor(easting / kZonePrefix);
    return prefix == std::abs(*zone) ? easting - prefix * kZonePrefix : easting;
}

std::optional<geo::TiePoint> tiePoint(const HeaderCorner& corner, double column, double line,
                                      std::optional<int> zone) {
    if (!corner.easting || !corner.northing)
        return std::nullopt;
    return geo::TiePoint{
        column, line, {withoutZonePrefix(*corner.easting, zone), *corner.northing}};
}

geo::MapProjectionSpec projectionOf(const FastHeader& header) {
    std::vector<double> parameters;
    if (header.projectionParameters)
        parameters.assign(header.projectionParameters->begin(), header.projectionParameters->end());
    return geo::describeProjection(header.mapProjection.value_or(""), header.mapZone,
                                   header.ellipsoid.value_or(""), header.datum.value_or(""),
                                   parameters);
}

// The factor by which a band's grid is finer than its header's: a label product's
// panchromatic band has twice the lines of the header's numbers.
double gridFactor(const BandImage& band, const FastHeader& header) {
    if (!header.linesPerBand || *header.linesPerBand <= 0 || band.lineCount() <= 0)
        return 1.0;
    return static_cast<double>(band.lineCount()) / *header.linesPerBand;
}

// The fit's last bits are noise: a corner at 3939153 m comes out 5e-10 m off.
geo::GeoTransform roundedToNanometres(geo::GeoTransform t) {
    for (double* value : {&t.x0, &t.dx, &t.rx, &t.y0, &t.ry, &t.dy})
        *value = std::round(*value * 1e9) / 1e9;
    return t;
}

}  // namespace

Georeference georeferenceOf(const FastHeader& header) {
    Georeference georeference;
    georeference.projection = projectionOf(header);
    if (!header.pixelsPerLine || !header.linesPerBand || *header.pixelsPerLine <= 0 ||
        *header.linesPerBand <= 0) {
        georeference.problem = GeoreferenceProblem::NoPictureSize;
        return georeference;
    }
    const double right = *header.pixelsPerLine - 1;
    const double bottom = *header.linesPerBand - 1;
    const std::optional<geo::TiePoint> corners[] = {
        tiePoint(header.upperLeft, 0, 0, header.mapZone),
        tiePoint(header.upperRight, right, 0, header.mapZone),
        tiePoint(header.lowerRight, right, bottom, header.mapZone),
        tiePoint(header.lowerLeft, 0, bottom, header.mapZone),
    };
    std::vector<geo::TiePoint> points;
    bool allZero = true;
    for (const std::optional<geo::TiePoint>& corner : corners) {
        if (!corner) {
            georeference.problem = GeoreferenceProblem::NoCorners;
            return georeference;
        }
        allZero = allZero && corner->map.easting == 0.0 && corner->map.northing == 0.0;
        points.push_back(*corner);
    }
    const std::optional<geo::TransformFit> fit = geo::fitGeoTransform(points);
    if (allZero || !fit || !(fit->pixelSize > 0.0)) {
        georeference.problem = GeoreferenceProblem::NoCorners;
        return georeference;
    }
    georeference.largestMiss = fit->largestMiss;
    if (fit->largestMiss > fit->pixelSize / 2) {
        georeference.problem = GeoreferenceProblem::CornersOffGrid;
        return georeference;
    }
    georeference.transform = roundedToNanometres(fit->transform);
    return georeference;
}

std::optional<BandGeoreference> bandGeoreference(const ProductCatalog& catalog, int index) {
    const BandImage* band = catalog.band(index);
    if (!band || catalog.headers().empty())
        return std::nullopt;
    // A label product's bands all have the one header.
    const std::size_t headerIndex = catalog.bandFacts(index).headerIndex.value_or(0);
    const FastHeader& header = catalog.headers()[headerIndex].header;
    Georeference georeference = georeferenceOf(header);
    if (!georeference.transform)
        return std::nullopt;
    const geo::GeoTransform transform = georeference.transform->finer(gridFactor(*band, header));
    return BandGeoreference{transform, std::move(georeference)};
}

PixelLocation pixelLocation(const BandGeoreference& georeference, std::int32_t column,
                            std::int32_t line) {
    PixelLocation location;
    location.map = georeference.transform.centreOf(column, line);
    if (georeference.projection)
        location.geographic = georeference.projection->inverse(location.map);
    return location;
}

std::string mapPositionText(const BandGeoreference& georeference, int column, int line) {
    const PixelLocation location = pixelLocation(georeference, column, line);
    char text[96];
    std::snprintf(text, sizeof text, "E %.0f N %.0f", location.map.easting, location.map.northing);
    std::string result = text;
    if (const std::optional<geo::GeoPoint>& point = location.geographic) {
        std::snprintf(text, sizeof text, "  %.5f%c %.5f%c", std::abs(point->latitude),
                      point->latitude < 0 ? 'S' : 'N', std::abs(point->longitude),
                      point->longitude < 0 ? 'W' : 'E');
        result += text;
    }
    return result;
}

}  // namespace qm
