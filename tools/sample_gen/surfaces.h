// How bright each kind of surface is in each of the seven multispectral bands, as
// 8-bit values before texture and noise.
#pragma once

#include <array>

namespace qm::sample {

inline constexpr int kSpectralBands = 7;
// Band 6 is the thermal band: it measures warmth, not reflected light.
inline constexpr int kThermalBand = 6;

using Spectrum = std::array<double, kSpectralBands>;

enum class Surface { Water, Vegetation, Crops, Soil, Town, Cloud };

// Bands 1 to 7 at indexes 0 to 6: blue, green, red, near infrared, two short-wave
// infrared bands around the thermal one.
Spectrum spectrumOf(Surface surface);

// The sum of the spectra weighted by the given shares.
Spectrum blend(const std::array<std::pair<Surface, double>, 5>& shares);

}  // namespace qm::sample
