// Smooth random texture: values on an integer lattice, blended between the lattice
// points, and sums of such layers at doubling frequencies for natural-looking detail.
#pragma once

#include <cstdint>

namespace qm::sample {

class ValueNoise {
  public:
    explicit ValueNoise(std::uint64_t seed) : seed_(seed) {}

    // One layer at lattice spacing 1, in [0, 1].
    double at(double x, double y) const;
    // `octaves` layers, each at twice the frequency and half the weight of the one
    // before, scaled back to [0, 1].
    double fractal(double x, double y, int octaves) const;

  private:
    std::uint64_t seed_;
};

}  // namespace qm::sample
