#include "tools/sample_gen/surfaces.h"

namespace qm::sample {

Spectrum spectrumOf(Surface surface) {
    // Water swallows infrared; leaves reflect near infrared strongly and absorb red;
    // dry soil is brightest in the short-wave infrared; clouds are bright in every
    // reflective band and cold in the thermal one; towns are warm.
    switch (surface) {
        case Surface::Water:
            return {62, 44, 30, 12, 7, 105, 5};
        case Surface::Vegetation:
            return {48, 52, 36, 135, 82, 118, 34};
        case Surface::Crops:
            return {54, 64, 42, 170, 95, 122, 40};
        case Surface::Soil:
            return {78, 84, 102, 118, 165, 150, 138};
        case Surface::Town:
            return {92, 92, 98, 86, 112, 165, 102};
        case Surface::Cloud:
            return {238, 236, 234, 226, 196, 62, 158};
    }
    return {};
}

Spectrum blend(const std::array<std::pair<Surface, double>, 5>& shares) {
    Spectrum sum{};
    for (const auto& [surface, share] : shares) {
        const Spectrum spectrum = spectrumOf(surface);
        for (int band = 0; band < kSpectralBands; ++band)
            sum[band] += share * spectrum[band];
    }
    return sum;
}

}  // namespace qm::sample
