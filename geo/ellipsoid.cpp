#include "geo/ellipsoid.h"

#include <array>
#include <string>

#include "text/ascii.h"

namespace qm::geo {
namespace {

// Each with the spellings headers use, in the folded form of foldedName.
struct NamedEllipsoid {
    std::array<const char*, 4> spellings;
    Ellipsoid ellipsoid;
};

constexpr NamedEllipsoid kEllipsoids[] = {
    {{"WGS84", "WGS1984", nullptr}, {"WGS84", 6378137.0, 298.257223563}},
    {{"GRS80", "GRS1980", nullptr}, {"GRS80", 6378137.0, 298.257222101}},
    {{"WGS72", "WGS1972", nullptr}, {"WGS72", 6378135.0, 298.26}},
    {{"CLARKE1866", "CLARKE66", nullptr}, {"Clarke 1866", 6378206.4, 294.978698213898}},
    {{"CLARKE1880", "CLARKE80", nullptr}, {"Clarke 1880", 6378249.145, 293.465}},
    {{"INTERNATIONAL1924", "INTERNATIONAL1909", "INTERNATIONAL", "HAYFORD"},
     {"International 1924", 6378388.0, 297.0}},
    {{"BESSEL1841", "BESSEL", nullptr}, {"Bessel 1841", 6377397.155, 299.1528128}},
    {{"KRASSOVSKY", "KRASOVSKY", "KRASSOWSKY1940"}, {"Krassovsky 1940", 6378245.0, 298.3}},
    {{"AIRY1830", "AIRY", nullptr}, {"Airy 1830", 6377563.396, 299.3249646}},
    {{"EVEREST1830", "EVEREST", nullptr}, {"Everest 1830", 6377276.345, 300.8017}},
    {{"AUSTRALIANNATIONAL", "ANS", nullptr}, {"Australian National", 6378160.0, 298.25}},
    {{"GRS67", "GRS1967", nullptr}, {"GRS67", 6378160.0, 298.247167427}},
};

// Upper case without spaces, hyphens or underscores: "Clarke 1866" -> "CLARKE1866".
std::string foldedName(std::string_view name) {
    std::string folded;
    for (const char c : name) {
        if (c != ' ' && c != '-' && c != '_')
            folded.push_back(asciiUpper(c));
    }
    return folded;
}

}  // namespace

std::optional<Ellipsoid> ellipsoidNamed(std::string_view name) {
    const std::string folded = foldedName(name);
    for (const NamedEllipsoid& entry : kEllipsoids) {
        for (const char* spelling : entry.spellings) {
            if (spelling && folded == spelling)
                return entry.ellipsoid;
        }
    }
    return std::nullopt;
}

std::optional<Ellipsoid> ellipsoidFromAxes(double semiMajorAxis, double semiMinorAxis) {
    if (!(semiMajorAxis > 0.0) || !(semiMinorAxis > 0.0) || semiMinorAxis > semiMajorAxis)
        return std::nullopt;
    // A sphere has no finite inverse flattening; it is kept as a very large one.
    const double flattening = (semiMajorAxis - semiMinorAxis) / semiMajorAxis;
    return Ellipsoid{"", semiMajorAxis, flattening > 0.0 ? 1.0 / flattening : 1e300};
}

}  // namespace qm::geo
