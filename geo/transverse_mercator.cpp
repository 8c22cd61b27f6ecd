#include "geo/transverse_mercator.h"

#include <algorithm>
#include <cmath>

namespace qm::geo {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegree = kPi / 180.0;

// Coefficients of Krueger's series in the third flattening n, after Karney,
// "Transverse Mercator with an accuracy of a few nanometers" (2011), eq. 35 and 36.
std::array<double, 6> forwardCoefficients(double n) {
    const double n2 = n * n, n3 = n2 * n, n4 = n3 * n, n5 = n4 * n, n6 = n5 * n;
    return {
        n / 2 - 2 * n2 / 3 + 5 * n3 / 16 + 41 * n4 / 180 - 127 * n5 / 288 + 7891 * n6 / 37800,
        13 * n2 / 48 - 3 * n3 / 5 + 557 * n4 / 1440 + 281 * n5 / 630 - 1983433 * n6 / 1935360,
        61 * n3 / 240 - 103 * n4 / 140 + 15061 * n5 / 26880 + 167603 * n6 / 181440,
        49561 * n4 / 161280 - 179 * n5 / 168 + 6601661 * n6 / 7257600,
        34729 * n5 / 80640 - 3418889 * n6 / 1995840,
        212378941 * n6 / 319334400,
    };
}

std::array<double, 6> inverseCoefficients(double n) {
    const double n2 = n * n, n3 = n2 * n, n4 = n3 * n, n5 = n4 * n, n6 = n5 * n;
    return {
        n / 2 - 2 * n2 / 3 + 37 * n3 / 96 - n4 / 360 - 81 * n5 / 512 + 96199 * n6 / 604800,
        n2 / 48 + n3 / 15 - 437 * n4 / 1440 + 46 * n5 / 105 - 1118711 * n6 / 3870720,
        17 * n3 / 480 - 37 * n4 / 840 - 209 * n5 / 4480 + 5569 * n6 / 90720,
        4397 * n4 / 161280 - 11 * n5 / 504 - 830251 * n6 / 7257600,
        4583 * n5 / 161280 - 108847 * n6 / 3991680,
        20648693 * n6 / 638668800,
    };
}

// tan of the conformal latitude from tan of the geographic one.
double conformalTan(double tanLatitude, double eccentricity) {
    const double secant = std::hypot(1.0, tanLatitude);
    const double sigma = std::sinh(eccentricity * std::atanh(eccentricity * tanLatitude / secant));
    return tanLatitude * std::hypot(1.0, sigma) - sigma * secant;
}

// The geographic tan from the conformal one, by Newton's method (Karney, eq. 19-21).
double geographicTan(double tanConformal, double eccentricity) {
    const double oneMinusE2 = 1.0 - eccentricity * eccentricity;
    double tau = tanConformal / oneMinusE2;
    for (int i = 0; i < 5; ++i) {
        const double tauPrime = conformalTan(tau, eccentricity);
        const double slope = oneMinusE2 * std::hypot(1.0, tauPrime) * std::hypot(1.0, tau) /
                             (1.0 + oneMinusE2 * tau * tau);
        const double step = (tanConformal - tauPrime) / slope;
        tau += step;
        if (std::abs(step) < 1e-14 * std::max(1.0, std::abs(tau)))
            break;
    }
    return tau;
}

}  // namespace

TransverseMercator::TransverseMercator(const Ellipsoid& ellipsoid,
                                       const TransverseMercatorSettings& settings)
    : settings_(settings) {
    const double f = ellipsoid.flattening();
    const double n = f / (2.0 - f);
    eccentricity_ = std::sqrt(ellipsoid.eccentricitySquared());
    const double n2 = n * n;
    rectifyingRadius_ = ellipsoid.semiMajorAxis / (1.0 + n) *
                        (1.0 + n2 / 4.0 + n2 * n2 / 64.0 + n2 * n2 * n2 / 256.0);
    alpha_ = forwardCoefficients(n);
    beta_ = inverseCoefficients(n);
    originXi_ = originXi();
}

double TransverseMercator::originXi() const {
    const double tanConformal =
        conformalTan(std::tan(settings_.latitudeOfOrigin * kDegree), eccentricity_);
    const double xiPrime = std::atan(tanConformal);
    double xi = xiPrime;
    for (int j = 1; j <= kOrder; ++j)
        xi += alpha_[j - 1] * std::sin(2 * j * xiPrime);
    return xi;
}

MapPoint TransverseMercator::forward(const GeoPoint& point) const {
    const double lambda =
        std::remainder(point.longitude - settings_.centralMeridian, 360.0) * kDegree;
    const double tanConformal = conformalTan(std::tan(point.latitude * kDegree), eccentricity_);
    const double xiPrime = std::atan2(tanConformal, std::cos(lambda));
    const double etaPrime =
        std::asinh(std::sin(lambda) / std::hypot(tanConformal, std::cos(lambda)));
    double xi = xiPrime;
    double eta = etaPrime;
    for (int j = 1; j <= kOrder; ++j) {
        xi += alpha_[j - 1] * std::sin(2 * j * xiPrime) * std::cosh(2 * j * etaPrime);
        eta += alpha_[j - 1] * std::cos(2 * j * xiPrime) * std::sinh(2 * j * etaPrime);
    }
    const double scale = settings_.scaleFactor * rectifyingRadius_;
    return {settings_.falseEasting + scale * eta,
            settings_.falseNorthing + scale * (xi - originXi_)};
}

GeoPoint TransverseMercator::inverse(const MapPoint& point) const {
    const double scale = settings_.scaleFactor * rectifyingRadius_;
    const double xi = (point.northing - settings_.falseNorthing) / scale + originXi_;
    const double eta = (point.easting - settings_.falseEasting) / scale;
    double xiPrime = xi;
    double etaPrime = eta;
    for (int j = 1; j <= kOrder; ++j) {
        xiPrime -= beta_[j - 1] * std::sin(2 * j * xi) * std::cosh(2 * j * eta);
        etaPrime -= beta_[j - 1] * std::cos(2 * j * xi) * std::sinh(2 * j * eta);
    }
    const double tanConformal =
        std::sin(xiPrime) / std::hypot(std::sinh(etaPrime), std::cos(xiPrime));
    const double tanLatitude = geographicTan(tanConformal, eccentricity_);
    const double lambda = std::atan2(std::sinh(etaPrime), std::cos(xiPrime));
    return {std::remainder(settings_.centralMeridian + lambda / kDegree, 360.0),
            std::atan(tanLatitude) / kDegree};
}

TransverseMercatorSettings utmSettings(int zone, bool south) {
    TransverseMercatorSettings settings;
    settings.scaleFactor = 0.9996;
    settings.centralMeridian = -183.0 + 6.0 * zone;
    settings.falseEasting = 500000.0;
    settings.falseNorthing = south ? 10000000.0 : 0.0;
    return settings;
}

}  // namespace qm::geo
