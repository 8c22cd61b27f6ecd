// The automatic levels: true colour from three bands' means and deviations, the
// percentile stretch from one band's counts and the deviation stretch from its
// statistics.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>

#include "view/auto_levels.h"

namespace qm {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

struct AutoLevelCase {
    const char* name;
    std::array<BandStatistics, 3> bands;  // mean, deviation
    std::array<LevelRange, 3> expected;   // high, low
};

TEST(TrueColourLevelsTest, SetsEachChannelFromItsMeanAndTheSpreadOfAllThree) {
    const AutoLevelCase cases[] = {
        {"S 75", {{{80, 20}, {90, 25}, {100, 30}}}, {{{123, 60}, {142, 65}, {160, 70}}}},
        {"S 30", {{{60, 10}, {70, 10}, {80, 10}}}, {{{260, 50}, {297, 60}, {334, 70}}}},
        // High below low is kept; low is held to 0 from below.
        {"S 401", {{{100, 200}, {150, 200}, {200, 1}}}, {{{49, 0}, {57, 0}, {33, 199}}}},
        // Low is held to 255 from above.
        {"low above 255", {{{300, 10}, {0, 0}, {0, 0}}}, {{{4303, 255}, {0, 0}, {0, 0}}}},
        // No finite factor: high stays at the full range's 255.
        {"S 0", {{{40, 0}, {0, 0}, {255, 0}}}, {{{255, 40}, {255, 0}, {255, 255}}}},
        {"S below 0", {{{40, -5}, {0, 0}, {0, 0}}}, {{{255, 45}, {255, 0}, {255, 0}}}},
        // Sums outside int32 neither wrap nor convert out of range.
        {"huge",
         {{{kMax, kMax}, {kMax, 1}, {-kMax, -kMax}}},
         {{{kMax, 0}, {kMax, 255}, {kMin, 0}}}},
        {"tiny S, huge mean", {{{kMax, 1}, {0, 0}, {0, 0}}}, {{{kMax, 255}, {0, 0}, {0, 0}}}},
    };
    for (const AutoLevelCase& c : cases) {
        const std::array<LevelRange, 3> levels = trueColourLevels(c.bands);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(levels[i].low, c.expected[i].low) << c.name << ", channel " << i;
            EXPECT_EQ(levels[i].high, c.expected[i].high) << c.name << ", channel " << i;
        }
    }
}

using Counts = std::array<std::int32_t, 256>;

// One pixel of each value from 0 to 99.
Counts ramp() {
    Counts counts{};
    for (std::size_t v = 0; v < 100; ++v)
        counts[v] = 1;
    return counts;
}

Counts only(std::size_t value, std::int32_t count) {
    Counts counts{};
    counts[value] = count;
    return counts;
}

// 90 of 100 pixels at 10, five below and five above.
Counts skewedToTen() {
    Counts counts = only(10, 90);
    counts[1] = 5;
    counts[250] = 5;
    return counts;
}

TEST(ClippedLevelsTest, LowAndHighAtThePercentilesOfTheCounts) {
    Counts skewed{};
    skewed[0] = 50;  // a black border: half the pixels
    skewed[10] = 25;
    skewed[200] = 25;
    const struct {
        const char* name;
        Counts counts;
        double percent;
        std::int32_t low;
        std::int32_t high;
    } cases[] = {
        {"5 % of a ramp", ramp(), 5.0, 4, 94},
        {"a fraction of a pixel reaches the first", ramp(), 0.5, 0, 99},
        {"just under half", ramp(), 49.0, 48, 50},
        {"the border decides low", skewed, 2.0, 0, 200},
        {"a flat band keeps the full range", only(37, 1000), 2.0, 0, 255},
        {"so does one value holding the middle", skewedToTen(), 10.0, 0, 255},
        {"unless the share reaches past it", skewedToTen(), 5.0, 1, 10},
        {"no pixels: the full range", Counts{}, 2.0, 0, 255},
    };
    for (const auto& c : cases) {
        const LevelRange levels = clippedLevels(c.counts, c.percent);
        EXPECT_EQ(levels.low, c.low) << c.name;
        EXPECT_EQ(levels.high, c.high) << c.name;
    }
}

TEST(DeviationLevelsTest, KDeviationsEitherSideOfTheMeanWithinTheUpDownLimits) {
    const struct {
        const char* name;
        BandStatistics band;  // mean, deviation
        double k;
        std::int32_t low;
        std::int32_t high;
    } cases[] = {
        {"two deviations", {100, 25}, 2.0, 50, 150},
        {"halves away from zero", {10, 3}, 1.5, 6, 15},      // 5.5 and 14.5
        {"below zero too", {1, 3}, 0.5, -1, 3},              // -0.5 and 2.5
        {"to the nearest", {10, 3}, 1.4, 6, 14},             // 5.8 and 14.2
        {"held to the limits", {100, 150}, 2.0, -100, 300},  // -200 and 400
        {"no deviation: high one above low", {80, 0}, 2.0, 80, 81},
        {"held low at the top limit", {400, 0}, 2.0, 300, 301},
        {"statistics past 32 bits when doubled", {kMax, kMax}, 2.0, -100, 300},
    };
    for (const auto& c : cases) {
        const LevelRange levels = deviationLevels(c.band, c.k);
        EXPECT_EQ(levels.low, c.low) << c.name;
        EXPECT_EQ(levels.high, c.high) << c.name;
    }
}

}  // namespace
}  // namespace qm
