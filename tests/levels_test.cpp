// The input level mapping, its 256-entry table and the row mappers built on it.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "view/levels.h"

namespace qm {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

struct LevelCase {
    std::int32_t low;
    std::int32_t high;
    int pixel;
    int expected;
};

TEST(MapLevelTest, MapsThroughTheLevelPairAndHoldsTheResultTo0To255) {
    const LevelCase cases[] = {
        {0, 255, 100, 100},
        {50, 150, 100, 127},
        {50, 150, 40, 0},
        {50, 150, 200, 255},
        {-100, 300, 0, 63},
        {-100, 300, 255, 226},
        // The quotient 255.0 / 100 is a hair below 2.55, so a pixel at high gives 254.
        {0, 100, 100, 254},
        {50, 150, 150, 254},
        {0, 100, 150, 255},
        // Equal levels: black whatever the pixel.
        {7, 7, 7, 0},
        {7, 7, 255, 0},
        {0, 0, 0, 0},
        // High below low: the factor is negative and pixels below low rise to 255.
        {200, 100, 250, 0},
        {200, 100, 150, 127},
        {200, 100, 100, 254},
        {200, 100, 0, 255},
        // Extreme pairs: no overflow of high - low, products far outside 0..255 clamp.
        {kMin, kMax, 0, 127},
        {kMin, kMax, 255, 127},
        {kMax, kMin, 0, 127},
        {kMin, kMin + 1, 0, 255},
        {kMax - 1, kMax, 255, 0},
        {kMax, kMax - 1, 0, 255},
        {kMin, kMin, 255, 0},
    };
    for (const LevelCase& c : cases) {
        EXPECT_EQ(mapLevel(static_cast<std::uint8_t>(c.pixel), {c.high, c.low}), c.expected)
            << "low " << c.low << ", high " << c.high << ", pixel " << c.pixel;
    }
}

TEST(MapLevelTest, FullRangeLeavesEveryPixelAsItIs) {
    for (int pixel = 0; pixel < 256; ++pixel)
        EXPECT_EQ(mapLevel(static_cast<std::uint8_t>(pixel), {255, 0}), pixel);
}

TEST(LevelTableTest, HoldsTheLevelFunctionOfEveryPixelValue) {
    const LevelRange pairs[] = {{255, 0},         {150, 50},    {300, -100},      {100, 0},
                                {7, 7},           {100, 200},   {-200, -300},     {0, 255},
                                {kMax, kMin},     {kMin, kMax}, {kMin + 1, kMin}, {kMax, kMax},
                                {kMax, kMax - 1}, {0, kMin},    {kMax, 0}};
    for (const LevelRange& levels : pairs) {
        const LevelTable mapped = levelTable(mapLevel, levels);
        const LevelTable zero = levelTable(zeroLevel, levels);
        for (int value = 0; value < 256; ++value) {
            const auto pixel = static_cast<std::uint8_t>(value);
            ASSERT_EQ(mapped[pixel], mapLevel(pixel, levels))
                << "low " << levels.low << ", high " << levels.high << ", pixel " << value;
            ASSERT_EQ(zero[pixel], 0);
        }
    }
}

TEST(MapColourPixelsTest, WritesBlueGreenRedFromChannels210AtEachStep) {
    const std::vector<std::uint8_t> red{10, 11, 12, 13, 14, 15, 16};
    const std::vector<std::uint8_t> green{20, 21, 22, 23, 24, 25, 26};
    const std::vector<std::uint8_t> blue{30, 31, 32, 33, 34, 35, 36};
    const LevelTable same = levelTable(mapLevel, {255, 0});
    std::vector<std::uint8_t> out(9, 0xAA);
    mapColourPixels({red.data(), green.data(), blue.data()}, {same, same, same}, 1, 2, 3,
                    out.data());
    EXPECT_EQ(out, (std::vector<std::uint8_t>{31, 21, 11, 33, 23, 13, 35, 25, 15}));
}

}  // namespace
}  // namespace qm
