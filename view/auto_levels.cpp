#include "view/auto_levels.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qm {
namespace {

constexpr double kTrueColourScale = 220.0;
constexpr double kSpreadExponent = 1.2;
constexpr std::int32_t kFullRangeHigh = 255;

std::int32_t lowLevelOf(const BandStatistics& band) {
    const std::int64_t low = std::int64_t{band.mean} - band.deviation;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(low, 0, 255));
}

// Truncated toward zero; a product outside int32 is held to its nearest end first,
// since converting it unclamped would be undefined.
std::int32_t truncateToInt32(double value) {
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(value, lowest, highest));
}

}  // namespace

std::array<InputLevels, 3> trueColourLevels(const std::array<BandStatistics, 3>& bands) {
    std::int64_t spread = 0;
    for (const BandStatistics& band : bands)
        spread += band.deviation;

    // S^1.2 first, then 220.0 divided by it, then the product: the order decides on
    // which side of a whole number a high level lands before truncation.
    const bool finite = spread > 0;
    const double factor =
        finite ? kTrueColourScale / std::pow(static_cast<double>(spread), kSpreadExponent) : 0.0;

    std::array<InputLevels, 3> levels{};
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const BandStatistics& band = bands[i];
        const double top = static_cast<double>(std::int64_t{band.mean} + band.deviation);
        levels[i].low = lowLevelOf(band);
        levels[i].high = finite ? truncateToInt32(factor * top) : kFullRangeHigh;
    }
    return levels;
}

}  // namespace qm
