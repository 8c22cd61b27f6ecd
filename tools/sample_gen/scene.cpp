#include "tools/sample_gen/scene.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "tools/sample_gen/landscape.h"
#include "tools/sample_gen/random.h"
#include "tools/sample_gen/value_noise.h"

namespace qm::sample {
namespace {

std::uint8_t toByte(double value) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 255.0)));
}

// What the sensor sees through the cloud cover: the ground's spectrum with its
// texture, dimmed in shadow, under a cloud that hides it.
Spectrum observed(const Cover& cover) {
    Spectrum ground = blend({{{Surface::Water, cover.water},
                              {Surface::Vegetation, cover.vegetation},
                              {Surface::Crops, cover.crops},
                              {Surface::Soil, cover.soil},
                              {Surface::Town, cover.town * cover.townDetail}}});
    const Spectrum cloud = spectrumOf(Surface::Cloud);
    for (int band = 0; band < kSpectralBands; ++band) {
        const bool thermal = band + 1 == kThermalBand;
        double value = ground[band] * (thermal ? cover.thermalTexture : cover.groundTexture);
        // Shade cools the ground a little but darkens reflected light a lot.
        value *= 1.0 - (thermal ? 0.08 : 0.45) * cover.shadow;
        ground[band] = value * (1.0 - cover.cloud) + cloud[band] * cover.cloud;
    }
    return ground;
}

// Sensor noise: a few levels in the reflective bands, less in the blurrier thermal one.
double sensorNoise(std::uint64_t seed, int band, int x, int y) {
    const double amplitude = band + 1 == kThermalBand ? 1.0 : 3.0;
    return amplitude * (latticeValue(seed + static_cast<std::uint64_t>(band), x, y) - 0.5) * 2.0;
}

// The panchromatic band sees green to near infrared in one wide band; it is sampled
// from the multispectral bands between pixel centres, with finer texture of its own.
Raster panchromaticOf(const Scene& scene, std::uint64_t seed) {
    const Raster& green = scene.bands[1];
    const Raster& red = scene.bands[2];
    const Raster& infrared = scene.bands[3];
    const auto source = [&](int x, int y) {
        x = std::clamp(x, 0, green.width - 1);
        y = std::clamp(y, 0, green.height - 1);
        return 0.35 * green.at(x, y) + 0.35 * red.at(x, y) + 0.3 * infrared.at(x, y);
    };
    const ValueNoise texture(seed ^ 0x8008);
    Raster pan(green.width * 2, green.height * 2);
    for (int y = 0; y < pan.height; ++y) {
        for (int x = 0; x < pan.width; ++x) {
            const double sx = (x + 0.5) / 2.0 - 0.5;
            const double sy = (y + 0.5) / 2.0 - 0.5;
            const int x0 = static_cast<int>(std::floor(sx));
            const int y0 = static_cast<int>(std::floor(sy));
            const double tx = sx - x0;
            const double ty = sy - y0;
            const double top = source(x0, y0) * (1 - tx) + source(x0 + 1, y0) * tx;
            const double bottom = source(x0, y0 + 1) * (1 - tx) + source(x0 + 1, y0 + 1) * tx;
            const double value =
                (top * (1 - ty) + bottom * ty) * (0.94 + 0.12 * texture.at(x / 2.5, y / 2.5));
            pan.at(x, y) = toByte(value + sensorNoise(seed, 7, x, y));
        }
    }
    return pan;
}

}  // namespace

Scene makeScene(std::uint64_t seed, int width, int height) {
    Scene scene;
    for (Raster& band : scene.bands)
        band = Raster(width, height);
    const Landscape landscape(seed, width, height);
    // Counts in 64 bits: long has 32 on Windows, and clouded * 100 passes that
    // for large scenes.
    std::int64_t clouded = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Cover cover = landscape.coverAt(x, y);
            clouded += cover.cloud > 0.5 ? 1 : 0;
            const Spectrum spectrum = observed(cover);
            for (int band = 0; band < kSpectralBands; ++band)
                scene.bands[band].at(x, y) = toByte(spectrum[band] + sensorNoise(seed, band, x, y));
        }
    }
    const std::int64_t pixels = std::max<std::int64_t>(1, std::int64_t{width} * height);
    scene.cloudPercent = static_cast<int>(clouded * 100 / pixels);
    scene.panchromatic = panchromaticOf(scene, seed);
    return scene;
}

}  // namespace qm::sample
