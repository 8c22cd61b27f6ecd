#include "geo/map_projection.h"

#include <cmath>
#include <cstdio>

#include "geo/angles.h"
#include "text/ascii.h"

namespace qm::geo {
namespace {

// Where the projection package keeps each of transverse Mercator's parameters.
constexpr std::size_t kSemiMajor = 0;
constexpr std::size_t kSemiMinor = 1;
constexpr std::size_t kScaleFactor = 2;
constexpr std::size_t kCentralMeridian = 4;
constexpr std::size_t kLatitudeOfOrigin = 5;
constexpr std::size_t kFalseEasting = 6;
constexpr std::size_t kFalseNorthing = 7;

std::string upper(std::string_view text) {
    std::string result;
    for (const char c : text)
        result.push_back(c == '_' ? ' ' : asciiUpper(c));
    return result;
}

bool isUtm(std::string_view name) {
    return equalsAsciiNoCase(name, "UTM");
}

bool isTransverseMercator(std::string_view name) {
    const std::string folded = upper(name);
    return folded == "TM" || folded == "TRANSVERSE MERCATOR";
}

// The parameters' second number is the semi-minor axis, or below 1 the eccentricity
// squared, or 0 for a sphere.
std::optional<Ellipsoid> ellipsoidOfParameters(const std::vector<double>& parameters) {
    if (parameters.size() <= kSemiMinor || !(parameters[kSemiMajor] > 0.0))
        return std::nullopt;
    const double a = parameters[kSemiMajor];
    const double second = parameters[kSemiMinor];
    if (second > 0.0 && second < 1.0)
        return ellipsoidFromAxes(a, a * std::sqrt(1.0 - second));
    return ellipsoidFromAxes(a, second == 0.0 ? a : second);
}

std::optional<TransverseMercatorSettings> tmSettings(const std::vector<double>& parameters) {
    if (parameters.size() <= kFalseNorthing)
        return std::nullopt;
    TransverseMercatorSettings settings;
    settings.scaleFactor = parameters[kScaleFactor] > 0.0 ? parameters[kScaleFactor] : 1.0;
    settings.centralMeridian = degreesFromPackedDms(parameters[kCentralMeridian]);
    settings.latitudeOfOrigin = degreesFromPackedDms(parameters[kLatitudeOfOrigin]);
    settings.falseEasting = parameters[kFalseEasting];
    settings.falseNorthing = parameters[kFalseNorthing];
    return settings;
}

// Numbers as WKT writes them: as many digits as they need and no more.
std::string number(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

// By its axes, so that semi-axes in the parameters equal to WGS84's count too.
bool isWgs84(const Ellipsoid& ellipsoid) {
    const Ellipsoid wgs84 = *ellipsoidNamed("WGS84");
    return ellipsoid.semiMajorAxis == wgs84.semiMajorAxis &&
           std::abs(ellipsoid.inverseFlattening - wgs84.inverseFlattening) < 1e-9;
}

std::string geographicWkt(const MapProjectionSpec& spec) {
    const Ellipsoid& e = *spec.ellipsoid;
    if (isWgs84(e))
        return "GEOGCS[\"WGS 84\",DATUM[\"WGS_1984\",SPHEROID[\"WGS 84\",6378137,298.257223563,"
               "AUTHORITY[\"EPSG\",\"7030\"]],AUTHORITY[\"EPSG\",\"6326\"]],PRIMEM[\"Greenwich\",0,"
               "AUTHORITY[\"EPSG\",\"8901\"]],UNIT[\"degree\",0.0174532925199433,AUTHORITY["
               "\"EPSG\","
               "\"9122\"]],AUTHORITY[\"EPSG\",\"4326\"]]";
    const std::string name = *e.name ? e.name : "unnamed";
    const std::string datum = spec.datum.empty() ? "unknown" : spec.datum;
    return "GEOGCS[\"" + name + "\",DATUM[\"" + datum + "\",SPHEROID[\"" + name + "\"," +
           number(e.semiMajorAxis) + "," + number(e.inverseFlattening) +
           "]],PRIMEM[\"Greenwich\",0],UNIT[\"degree\",0.0174532925199433]]";
}

}  // namespace

std::optional<TransverseMercator> MapProjectionSpec::projection() const {
    if (!computed())
        return std::nullopt;
    return TransverseMercator(*ellipsoid, *transverseMercator);
}

MapProjectionSpec describeProjection(std::string_view name, std::optional<int> zone,
                                     std::string_view ellipsoidName, std::string_view datum,
                                     const std::vector<double>& parameters) {
    MapProjectionSpec spec;
    spec.name = std::string(name);
    spec.ellipsoidName = std::string(ellipsoidName);
    spec.datum = std::string(datum);
    spec.parameters = parameters;
    spec.ellipsoid = ellipsoidNamed(ellipsoidName);
    if (!spec.ellipsoid)
        spec.ellipsoid = ellipsoidOfParameters(parameters);
    if (isUtm(name) && zone && *zone != 0 && std::abs(*zone) <= 60) {
        spec.zone = std::abs(*zone);
        spec.south = *zone < 0;
        spec.transverseMercator = utmSettings(*spec.zone, spec.south);
    } else if (isTransverseMercator(name)) {
        spec.transverseMercator = tmSettings(parameters);
    }
    return spec;
}

std::string projectionWkt(const MapProjectionSpec& spec) {
    if (!spec.transverseMercator || !spec.ellipsoid)
        return {};
    const TransverseMercatorSettings& tm = *spec.transverseMercator;
    const bool wgs84Utm = spec.zone && isWgs84(*spec.ellipsoid);
    std::string name = spec.zone
                           ? "UTM zone " + std::to_string(*spec.zone) + (spec.south ? "S" : "N")
                           : std::string("Transverse Mercator");
    if (wgs84Utm)
        name = "WGS 84 / " + name;
    std::string wkt = "PROJCS[\"" + name + "\"," + geographicWkt(spec) +
                      ",PROJECTION[\"Transverse_Mercator\"]" +
                      ",PARAMETER[\"latitude_of_origin\"," + number(tm.latitudeOfOrigin) + "]" +
                      ",PARAMETER[\"central_meridian\"," + number(tm.centralMeridian) + "]" +
                      ",PARAMETER[\"scale_factor\"," + number(tm.scaleFactor) + "]" +
                      ",PARAMETER[\"false_easting\"," + number(tm.falseEasting) + "]" +
                      ",PARAMETER[\"false_northing\"," + number(tm.falseNorthing) + "]" +
                      ",UNIT[\"metre\",1,AUTHORITY[\"EPSG\",\"9001\"]]" +
                      ",AXIS[\"Easting\",EAST],AXIS[\"Northing\",NORTH]";
    if (wgs84Utm)
        wkt += ",AUTHORITY[\"EPSG\",\"" +
               std::to_string((spec.south ? 32700 : 32600) + *spec.zone) + "\"]";
    return wkt + "]";
}

}  // namespace qm::geo
