// The made-up ground under the satellite: a lake and a river, woodland, farm
// parcels, bare soil, a town and a few clouds with their shadows. It answers, for
// any point of the scene, how much of each surface covers it.
#pragma once

#include <cstdint>

#include "tools/sample_gen/value_noise.h"

namespace qm::sample {

// Shares of the ground surfaces at one point (they sum to 1), the cloud over it and
// the cloud shadow on it (both 0 to 1), and a little texture for each.
struct Cover {
    double water = 0;
    double vegetation = 0;
    double crops = 0;
    double soil = 0;
    double town = 0;
    double cloud = 0;
    double shadow = 0;
    double groundTexture = 1;   // near 1: brightness variation of the ground
    double thermalTexture = 1;  // near 1: the smoother variation of the thermal band
    double townDetail = 1;      // brightness of the building or street at the point
};

class Landscape {
  public:
    Landscape(std::uint64_t seed, int width, int height);

    // The cover at pixel (x, y), counted from the top left.
    Cover coverAt(int x, int y) const;

  private:
    double riverDistance(double u, double v) const;
    double waterShare(double u, double v, double elevation) const;
    double townShare(double u, double v) const;
    double cloudAt(double u, double v) const;
    void shareLand(double u, double v, double elevation, double landShare, Cover& cover) const;

    ValueNoise elevation_;
    ValueNoise moisture_;
    ValueNoise texture_;
    ValueNoise clouds_;
    double unit_;  // pixels per landscape unit: the longer side of the scene
    double riverPhase_;
    double townU_;
    double townV_;
    std::uint64_t seed_;
};

}  // namespace qm::sample
