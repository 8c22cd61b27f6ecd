// The figures of the Earth a map projection is drawn on: each by its semi-major
// axis and flattening.
#pragma once

#include <optional>
#include <string_view>

namespace qm::geo {

struct Ellipsoid {
    const char* name;      // as projection software names it, e.g. "WGS84"
    double semiMajorAxis;  // metres
    double inverseFlattening;

    double flattening() const { return 1.0 / inverseFlattening; }
    double semiMinorAxis() const { return semiMajorAxis * (1.0 - flattening()); }
    // The first eccentricity squared.
    double eccentricitySquared() const { return flattening() * (2.0 - flattening()); }
};

// The ellipsoid a header names ("WGS84", "GRS80", "CLARKE 1866", "INTERNATIONAL
// 1924", "BESSEL", "KRASSOVSKY", ...), letters compared without regard to case and
// spaces, hyphens and underscores left out; nothing for a name the table lacks.
std::optional<Ellipsoid> ellipsoidNamed(std::string_view name);

// An ellipsoid given by its axes, as projection parameters give one; nothing when
// they make none (not positive, minor above major).
std::optional<Ellipsoid> ellipsoidFromAxes(double semiMajorAxis, double semiMinorAxis);

}  // namespace qm::geo
