// The integer form of a level table: found for the tables of the level mapping,
// exact for every pixel value, or not given at all.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>

#include "view/level_form.h"
#include "view/levels.h"

namespace qm {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// The form, when there is one, gives the table's byte for every pixel value.
void expectExact(const std::optional<LevelForm>& form, const LevelTable& table, LevelRange levels) {
    if (!form)
        return;
    for (int p = 0; p < 256; ++p) {
        ASSERT_EQ(applyLevelForm(*form, static_cast<std::uint8_t>(p)), table[p])
            << "low " << levels.low << ", high " << levels.high << ", pixel " << p;
    }
}

TEST(LevelFormTest, EveryPairOfTheLevelControlsRangeHasAnExactFormOrNone) {
    int pairs = 0;
    int formed = 0;
    for (std::int32_t low = -100; low <= 300; low += 3) {
        for (std::int32_t high = -100; high <= 300; high += 7) {
            const LevelRange levels{high, low};
            const LevelTable table = levelTable(mapLevel, levels);
            const std::optional<LevelForm> form = levelForm(table, levels);
            expectExact(form, table, levels);
            ++pairs;
            formed += form ? 1 : 0;
        }
    }
    // Only where the floating-point rounding falls unevenly is there no form.
    EXPECT_GT(formed, pairs * 95 / 100) << formed << " of " << pairs;
}

TEST(LevelFormTest, CommonAndExtremePairsHaveTheirForms) {
    const struct {
        LevelRange levels;
        bool identity;
        bool constant;
    } cases[] = {
        {{255, 0}, true, false},         {{7, 7}, false, true},
        {{0, 0}, false, true},           {{150, 50}, false, false},
        {{100, 0}, false, false},  // pixel 100 gives 254: the slope is a hair below 2.55
        {{300, -100}, false, false},     {{100, 200}, false, false},
        {{0, 255}, false, false},        {{1, 0}, false, false},
        {{0, 1}, false, false},          {{kMax, kMin}, false, true},
        {{kMin, kMax}, false, true},     {{kMin + 1, kMin}, false, true},
        {{kMax, kMax - 1}, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("low " + std::to_string(c.levels.low) + ", high " +
                     std::to_string(c.levels.high));
        const LevelTable table = levelTable(mapLevel, c.levels);
        const std::optional<LevelForm> form = levelForm(table, c.levels);
        ASSERT_TRUE(form.has_value());
        expectExact(form, table, c.levels);
        EXPECT_EQ(form->isIdentity(), c.identity);
        EXPECT_EQ(form->isConstant(), c.constant);
    }
}

TEST(LevelFormTest, TablesNoFormMatchesAreRefused) {
    // 255 / 221 = 15 / 13: the products at multiples of 13 round to either side.
    const LevelRange uneven{121, -100};
    EXPECT_FALSE(levelForm(levelTable(mapLevel, uneven), uneven).has_value());

    // A table that is not of the levels' mapping at all.
    LevelTable zigzag{};
    for (int p = 0; p < 256; ++p)
        zigzag[p] = static_cast<std::uint8_t>(p % 2 ? 200 : 10);
    EXPECT_FALSE(levelForm(zigzag, {0, 255}).has_value());
}

}  // namespace
}  // namespace qm
