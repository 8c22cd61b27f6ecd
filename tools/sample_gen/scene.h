// A synthetic multispectral scene: seven 8-bit bands of the same size and a
// panchromatic band at twice the resolution.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "tools/sample_gen/surfaces.h"

namespace qm::sample {

// One band: width x height bytes, rows from the top of the picture down.
struct Raster {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;

    Raster() = default;
    Raster(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h) {}
    std::uint8_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

struct Scene {
    std::array<Raster, kSpectralBands> bands;  // bands 1 to 7 at indexes 0 to 6
    Raster panchromatic;                       // twice the width and height
    int cloudPercent = 0;                      // share of pixels mostly under cloud
};

// The same seed and size always give the same scene.
Scene makeScene(std::uint64_t seed, int width, int height);

}  // namespace qm::sample
