// The automatic true-colour levels from three bands' means and deviations.
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
    std::array<InputLevels, 3> expected;  // low, high
};

TEST(TrueColourLevelsTest, SetsEachChannelFromItsMeanAndTheSpreadOfAllThree) {
    const AutoLevelCase cases[] = {
        {"S 75", {{{80, 20}, {90, 25}, {100, 30}}}, {{{60, 123}, {65, 142}, {70, 160}}}},
        {"S 30", {{{60, 10}, {70, 10}, {80, 10}}}, {{{50, 260}, {60, 297}, {70, 334}}}},
        // High below low is kept; low is held to 0 from below.
        {"S 401", {{{100, 200}, {150, 200}, {200, 1}}}, {{{0, 49}, {0, 57}, {199, 33}}}},
        // Low is held to 255 from above.
        {"low above 255", {{{300, 10}, {0, 0}, {0, 0}}}, {{{255, 4303}, {0, 0}, {0, 0}}}},
        // No finite factor: high stays at the full range's 255.
        {"S 0", {{{40, 0}, {0, 0}, {255, 0}}}, {{{40, 255}, {0, 255}, {255, 255}}}},
        {"S below 0", {{{40, -5}, {0, 0}, {0, 0}}}, {{{45, 255}, {0, 255}, {0, 255}}}},
        // Sums outside int32 neither wrap nor convert out of range.
        {"huge",
         {{{kMax, kMax}, {kMax, 1}, {-kMax, -kMax}}},
         {{{0, kMax}, {255, kMax}, {0, kMin}}}},
        {"tiny S, huge mean", {{{kMax, 1}, {0, 0}, {0, 0}}}, {{{255, kMax}, {0, 0}, {0, 0}}}},
    };
    for (const AutoLevelCase& c : cases) {
        const std::array<InputLevels, 3> levels = trueColourLevels(c.bands);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(levels[i].low, c.expected[i].low) << c.name << ", channel " << i;
            EXPECT_EQ(levels[i].high, c.expected[i].high) << c.name << ", channel " << i;
        }
    }
}

}  // namespace
}  // namespace qm
