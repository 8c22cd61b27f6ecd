#include "tools/sample_gen/value_noise.h"

#include <cmath>

#include "tools/sample_gen/random.h"

namespace qm::sample {
namespace {

// Eases the blend so that lattice lines do not show as creases.
double smooth(double t) {
    return t * t * (3.0 - 2.0 * t);
}

double lerp(double a, double b, double t) {
    return a + (b - a) * t;
}

}  // namespace

double ValueNoise::at(double x, double y) const {
    const double cellX = std::floor(x);
    const double cellY = std::floor(y);
    const auto ix = static_cast<std::int64_t>(cellX);
    const auto iy = static_cast<std::int64_t>(cellY);
    const double tx = smooth(x - cellX);
    const double ty = smooth(y - cellY);
    const double top = lerp(latticeValue(seed_, ix, iy), latticeValue(seed_, ix + 1, iy), tx);
    const double bottom =
        lerp(latticeValue(seed_, ix, iy + 1), latticeValue(seed_, ix + 1, iy + 1), tx);
    return lerp(top, bottom, ty);
}

double ValueNoise::fractal(double x, double y, int octaves) const {
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    for (int octave = 0; octave < octaves; ++octave) {
        // Each layer has its own lattice, so the layers do not line up.
        const ValueNoise layer(seed_ + static_cast<std::uint64_t>(octave) * 7919U);
        sum += weight * layer.at(x, y);
        total += weight;
        x = x * 2.0 + 11.3;
        y = y * 2.0 + 5.7;
        weight *= 0.5;
    }
    return sum / total;
}

}  // namespace qm::sample
