#include "tools/sample_gen/landscape.h"

#include <algorithm>
#include <cmath>

#include "tools/sample_gen/random.h"

namespace qm::sample {
namespace {

double clamp01(double value) {
    return std::clamp(value, 0.0, 1.0);
}

// 0 below `low`, 1 above `high`, a smooth ramp between.
double ramp(double low, double high, double value) {
    const double t = clamp01((value - low) / (high - low));
    return t * t * (3.0 - 2.0 * t);
}

// Farm parcels are this many pixels across and down: fields look the same size in
// scenes of any size, like real ones at a fixed ground resolution.
constexpr double kParcelWidth = 40.0;
constexpr double kParcelHeight = 26.0;
// Town blocks and streets, in pixels.
constexpr double kBlockPixels = 7.0;

}  // namespace

Landscape::Landscape(std::uint64_t seed, int width, int height)
    : elevation_(seed ^ 0x1001),
      moisture_(seed ^ 0x2002),
      texture_(seed ^ 0x3003),
      clouds_(seed ^ 0x4004),
      unit_(std::max(width, height)),
      seed_(seed) {
    Random random(seed);
    riverPhase_ = random.between(0.0, 6.28);
    // The town stands on the upper right, away from the lake the noise puts anywhere.
    townU_ = random.between(0.55, 0.75) * width / unit_;
    townV_ = random.between(0.2, 0.35) * height / unit_;
}

Cover Landscape::coverAt(int x, int y) const {
    const double u = x / unit_;
    const double v = y / unit_;
    Cover cover;
    const double elevation = elevation_.fractal(u * 3.0, v * 3.0, 5);
    cover.water = waterShare(u, v, elevation);
    cover.town = townShare(u, v) * (1.0 - cover.water);
    shareLand(u, v, elevation, 1.0 - cover.water - cover.town, cover);

    cover.groundTexture = 0.82 + 0.36 * texture_.fractal(x / 5.0, y / 5.0, 3);
    cover.thermalTexture = 0.94 + 0.12 * texture_.at(u * 12.0, v * 12.0);
    const auto blockX = static_cast<std::int64_t>(std::floor(x / kBlockPixels));
    const auto blockY = static_cast<std::int64_t>(std::floor(y / kBlockPixels));
    const bool street = std::fmod(x, kBlockPixels) < 1.5 || std::fmod(y, kBlockPixels) < 1.5;
    cover.townDetail = street ? 0.75 : 0.8 + 0.6 * latticeValue(seed_ ^ 0x6006, blockX, blockY);

    cover.cloud = cloudAt(u, v);
    // The sun stands to the south-east: shadows fall up and to the left of clouds.
    cover.shadow = cloudAt(u + 0.02, v + 0.025) * (1.0 - cover.cloud);
    return cover;
}

double Landscape::riverDistance(double u, double v) const {
    const double course =
        0.62 + 0.07 * std::sin(u * 8.0 + riverPhase_) + 0.12 * (moisture_.at(u * 2.0, 3.5) - 0.5);
    return std::fabs(v - course);
}

double Landscape::waterShare(double u, double v, double elevation) const {
    const double lake = 1.0 - ramp(0.30, 0.33, elevation);
    const double width = 0.004 + 0.003 * moisture_.at(u * 6.0, 1.5);
    const double river = 1.0 - ramp(width, width + 0.002, riverDistance(u, v));
    return std::max(lake, river);
}

double Landscape::townShare(double u, double v) const {
    const double distance = std::hypot(u - townU_, (v - townV_) * 1.3);
    const double ragged = 0.08 + 0.05 * moisture_.at(u * 20.0, v * 20.0);
    return 1.0 - ramp(ragged * 0.8, ragged, distance);
}

double Landscape::cloudAt(double u, double v) const {
    return ramp(0.6, 0.7, clouds_.fractal(u * 4.0 + 40.0, v * 4.0 + 40.0, 5));
}

void Landscape::shareLand(double u, double v, double elevation, double landShare,
                          Cover& cover) const {
    // Woods grow where it is moist, bare soil shows where it is dry and high.
    const double moisture = moisture_.fractal(u * 5.0, v * 5.0, 4) - 0.5 * (elevation - 0.5);
    const double woods = ramp(0.4, 0.5, moisture);
    // Farmland lies in the lowland between; each parcel is one crop or fallow.
    const double farmland = (1.0 - woods) * (1.0 - ramp(0.5, 0.6, elevation));
    // Each row of parcels is shifted a little, so that field edges do not line up.
    const double py = v * unit_ / kParcelHeight;
    const double px = u * unit_ / kParcelWidth +
                      latticeValue(seed_ ^ 0x5005, 0, static_cast<std::int64_t>(std::floor(py)));
    const double crop = latticeValue(seed_ ^ 0x7007, static_cast<std::int64_t>(std::floor(px)),
                                     static_cast<std::int64_t>(std::floor(py)));
    // Ripe, young and sparse crops, or a ploughed field.
    const double growing = crop < 0.35 ? 1.0 : crop < 0.55 ? 0.7 : crop < 0.7 ? 0.35 : 0.0;
    cover.vegetation = landShare * woods;
    cover.crops = landShare * farmland * growing;
    cover.soil = landShare * (1.0 - woods) - cover.crops;
}

}  // namespace qm::sample
