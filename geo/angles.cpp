#include "geo/angles.h"

#include <cmath>

namespace qm::geo {
namespace {

// Splits |value| into degrees, minutes and seconds by the two place values.
double degreesOf(double value, double degreeUnit, double minuteUnit) {
    const double magnitude = std::abs(value);
    const double degrees = std::floor(magnitude / degreeUnit);
    const double minutes = std::floor((magnitude - degrees * degreeUnit) / minuteUnit);
    const double seconds = magnitude - degrees * degreeUnit - minutes * minuteUnit;
    const double result = degrees + minutes / 60.0 + seconds / 3600.0;
    return value < 0 ? -result : result;
}

}  // namespace

double degreesFromPackedDms(double packed) {
    return degreesOf(packed, 1000000.0, 1000.0);
}

double degreesFromDms(double dms) {
    return degreesOf(dms, 10000.0, 100.0);
}

}  // namespace qm::geo
