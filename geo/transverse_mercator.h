// The transverse Mercator projection on an ellipsoid, by Krueger's series to the
// sixth order in the third flattening: forward and back to well under a millimetre
// within several degrees of the central meridian. UTM is one of its settings.
#pragma once

#include <array>

#include "geo/ellipsoid.h"

namespace qm::geo {

// Degrees, east and north positive.
struct GeoPoint {
    double longitude = 0.0;
    double latitude = 0.0;
};

// Metres.
struct MapPoint {
    double easting = 0.0;
    double northing = 0.0;
};

struct TransverseMercatorSettings {
    double scaleFactor = 0.9996;
    double centralMeridian = 0.0;   // degrees
    double latitudeOfOrigin = 0.0;  // degrees
    double falseEasting = 500000.0;
    double falseNorthing = 0.0;
};

class TransverseMercator {
  public:
    TransverseMercator(const Ellipsoid& ellipsoid, const TransverseMercatorSettings& settings);

    MapPoint forward(const GeoPoint& point) const;
    GeoPoint inverse(const MapPoint& point) const;

    const TransverseMercatorSettings& settings() const { return settings_; }

  private:
    static constexpr int kOrder = 6;

    // The northing of the latitude of origin on the central meridian, in units of
    // the rectifying radius.
    double originXi() const;

    TransverseMercatorSettings settings_;
    double eccentricity_;
    double rectifyingRadius_;           // A: the meridian's length over 2 pi
    std::array<double, kOrder> alpha_;  // forward series
    std::array<double, kOrder> beta_;   // inverse series
    double originXi_;
};

// The settings of UTM zone 1 to 60, south of the equator when `south`.
TransverseMercatorSettings utmSettings(int zone, bool south);

}  // namespace qm::geo
