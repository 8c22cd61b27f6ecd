// The automatic input levels: for three bands shown as true colour, each band's
// range set from its own mean and deviation, scaled by the spread of all three; and
// the stretches of one band at a time, by percentiles or by deviations.
#pragma once

#include <array>
#include <cstdint>

#include "view/level_range.h"
#include "view/levels.h"

namespace qm {

// The statistics of a band's histogram that the automatic levels use.
struct BandStatistics {
    std::int32_t mean = 0;
    std::int32_t deviation = 0;
};

// With S the sum of the three deviations, channel i (0 red, 1 green, 2 blue) gets
//   low  = mean - deviation, held to 0..255,
//   high = trunc((220.0 / S^1.2) * (mean + deviation)), not limited and not
//          compared with low (high may come out below low).
// When S is 0 (or below, which no histogram gives) the factor has no finite value;
// every channel then keeps the full range's high of 255, the default pair's.
std::array<LevelRange, 3> trueColourLevels(const std::array<BandStatistics, 3>& bands);

// The stretch most viewers apply by default: low is the smallest value with at
// least `percent` % of the counted pixels at or below it, high the smallest with at
// least 100 - `percent` %. A band too flat to tell them apart (both the same value)
// or with no pixels keeps the full range, shown as it is rather than all black.
// `percent` lies between 0 and 50.
LevelRange clippedLevels(const std::array<std::int32_t, 256>& counts, double percent);

// The stretch around the mean, `k` deviations either way (k > 0):
//   low  = mean - k * deviation,  high = mean + k * deviation,
// each rounded to the nearest whole number (halves away from zero) and held within
// the level up-downs' kLevelMin..kLevelMax; where high is not above low (no
// deviation) it becomes low + 1, as a click on the up-downs would leave it.
LevelRange deviationLevels(BandStatistics statistics, double k);

}  // namespace qm
