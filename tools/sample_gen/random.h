// Pseudo-random numbers the generator owns, so that one seed gives the same scene
// with every compiler and standard library.
#pragma once

#include <cstdint>

namespace qm::sample {

// SplitMix64: a small generator whose sequence is fixed by its seed alone.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next();
    // A number in [0, 1).
    double unit();
    // A number in [low, high).
    double between(double low, double high) { return low + (high - low) * unit(); }

  private:
    std::uint64_t state_;
};

// A number in [0, 1) that depends only on the seed and the two lattice coordinates:
// the same point always gets the same value, in any order of asking.
double latticeValue(std::uint64_t seed, std::int64_t x, std::int64_t y);

}  // namespace qm::sample
