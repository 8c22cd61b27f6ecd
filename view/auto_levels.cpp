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

// Halves away from zero, then held to the up-downs' limits; in double until then,
// since k deviations may reach far outside 32 bits.
std::int32_t heldLevel(double value) {
    constexpr double lowest = kLevelMin;
    constexpr double highest = kLevelMax;
    return static_cast<std::int32_t>(std::clamp(std::round(value), lowest, highest));
}

}  // namespace

std::array<LevelRange, 3> trueColourLevels(const std::array<BandStatistics, 3>& bands) {
    std::int64_t spread = 0;
    for (const BandStatistics& band : bands)
        spread += band.deviation;

    // S^1.2 first, then 220.0 divided by it, then the product: the order decides on
    // which side of a whole number a high level lands before truncation.
    const bool finite = spread > 0;
    const double factor =
        finite ? kTrueColourScale / std::pow(static_cast<double>(spread), kSpreadExponent) : 0.0;

    std::array<LevelRange, 3> levels{};
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const BandStatistics& band = bands[i];
        const double top = static_cast<double>(std::int64_t{band.mean} + band.deviation);
        levels[i].low = lowLevelOf(band);
        levels[i].high = finite ? truncateToInt32(factor * top) : kFullRangeHigh;
    }
    return levels;
}

LevelRange clippedLevels(const std::array<std::int32_t, 256>& counts, double percent) {
    std::int64_t total = 0;
    for (const std::int32_t count : counts)
        total += std::max(count, 0);
    if (total == 0)
        return LevelRange{};
    const double lowShare = static_cast<double>(total) * percent / 100.0;
    const double highShare = static_cast<double>(total) * (100.0 - percent) / 100.0;
    std::int32_t low = -1;
    std::int32_t high = -1;
    std::int64_t seen = 0;
    for (std::int32_t value = 0; value < 256 && high < 0; ++value) {
        seen += std::max(counts[static_cast<std::size_t>(value)], 0);
        if (low < 0 && static_cast<double>(seen) >= lowShare)
            low = value;
        if (static_cast<double>(seen) >= highShare)
            high = value;
    }
    if (high <= low)
        return LevelRange{};
    return LevelRange{.high = high, .low = low};
}

LevelRange deviationLevels(BandStatistics statistics, double k) {
    const double mean = statistics.mean;
    const double reach = k * statistics.deviation;
    const std::int32_t low = heldLevel(mean - reach);
    const std::int32_t high = std::max(heldLevel(mean + reach), low + 1);
    return LevelRange{.high = high, .low = low};
}

}  // namespace qm
