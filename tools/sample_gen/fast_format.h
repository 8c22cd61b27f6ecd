// The fast format: three text headers, for the reflective bands, the thermal band's
// two gains and the panchromatic band, and raw band files, one byte per pixel,
// lines one after another with no framing.
#pragma once

#include <string>
#include <vector>

#include "tools/sample_gen/scene.h"

namespace qm::sample {

struct NamedFile {
    std::string name;
    std::string bytes;
};

// The stem, "_B", the band's two characters and ".FST": "10" to "80" for bands 1 to
// 8, "61" and "62" for the thermal band's low and high gain.
std::string fastBandFileName(const std::string& stem, const std::string& band);

// The product's three headers as they stand on disc (stem_HRF.FST, _HTM.FST and
// _HPN.FST), for multispectral bands of `width` x `height` pixels.
std::vector<NamedFile> fastHeaderFiles(const std::string& stem, const std::string& satellite,
                                       const std::string& sensor, int width, int height);

// The thermal band as its high-gain file holds it: the same radiance by the high
// gain's calibration, held within 1 to 255.
Raster highGainThermal(const Raster& lowGain);

// '\n' turned into CR LF, as the header stands on disc.
std::string withCrLf(const std::string& text);

// A band file: the raster's rows, top first.
std::string fastBandFile(const Raster& band);

}  // namespace qm::sample
