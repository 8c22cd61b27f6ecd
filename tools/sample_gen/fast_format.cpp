#include "tools/sample_gen/fast_format.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>

#include "tools/sample_gen/fast_header_text.h"

namespace qm::sample {
namespace {

// A band file and its calibration, radiance = bias + gain x value in W/(m2 sr um),
// near those of a real scene.
struct CalibratedBand {
    const char* band;  // the two characters of its file name
    BandCalibration calibration;
};

constexpr CalibratedBand kReflectiveBands[] = {
    {"10", {-6.2, 0.786}}, {"20", {-6.4, 0.817}}, {"30", {-5.0, 0.640}},
    {"40", {-5.1, 0.635}}, {"50", {-1.0, 0.128}}, {"70", {-0.35, 0.044}},
};
constexpr CalibratedBand kThermalLowGain = {"61", {0.0, 0.067}};
constexpr CalibratedBand kThermalHighGain = {"62", {3.2, 0.037}};
constexpr CalibratedBand kThermalBands[] = {kThermalLowGain, kThermalHighGain};
constexpr CalibratedBand kPanchromaticBands[] = {{"80", {-4.7, 0.639}}};

constexpr double kMultispectralPixelSize = 30.0;  // metres

struct HeaderKind {
    const char* suffix;
    const char* bandsPresent;
    std::span<const CalibratedBand> bands;
    int scale;  // pixels a side for each multispectral pixel
};

constexpr HeaderKind kHeaderKinds[] = {
    {"_HRF.FST", "123457", kReflectiveBands, 1},
    {"_HTM.FST", "66", kThermalBands, 1},
    {"_HPN.FST", "8", kPanchromaticBands, 2},
};

}  // namespace

std::string fastBandFileName(const std::string& stem, const std::string& band) {
    return stem + "_B" + band + ".FST";
}

std::vector<NamedFile> fastHeaderFiles(const std::string& stem, const std::string& satellite,
                                       const std::string& sensor, int width, int height) {
    std::vector<NamedFile> files;
    for (const HeaderKind& kind : kHeaderKinds) {
        FastHeaderContent content{satellite,
                                  sensor,
                                  kind.bandsPresent,
                                  {},
                                  width * kind.scale,
                                  height * kind.scale,
                                  kMultispectralPixelSize / kind.scale};
        for (const CalibratedBand& band : kind.bands)
            content.bands.push_back({fastBandFileName(stem, band.band), band.calibration});
        files.push_back({stem + kind.suffix, withCrLf(fastHeaderText(content))});
    }
    return files;
}

Raster highGainThermal(const Raster& lowGain) {
    Raster highGain = lowGain;
    for (std::uint8_t& value : highGain.pixels) {
        const double radiance = kThermalLowGain.calibration.radiance(value);
        const BandCalibration& high = kThermalHighGain.calibration;
        const long level = std::lround((radiance - high.bias) / high.gain);
        value = static_cast<std::uint8_t>(std::clamp(level, 1L, 255L));
    }
    return highGain;
}

std::string withCrLf(const std::string& text) {
    std::string result;
    result.reserve(text.size() + text.size() / 64);
    for (char c : text) {
        if (c == '\n')
            result += '\r';
        result += c;
    }
    return result;
}

std::string fastBandFile(const Raster& band) {
    return std::string(band.pixels.begin(), band.pixels.end());
}

}  // namespace qm::sample
