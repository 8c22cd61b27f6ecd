// The test builds check container indexes: a write one past an array ends the
// program at once, natively and in the Windows builds alike, instead of landing on
// whatever the layout puts there.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>

namespace qm {
namespace {

TEST(CheckedBuildDeathTest, IndexPastAnArrayEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    std::array<int, 3> pairs{};
    volatile std::size_t channel = 3;
    EXPECT_DEATH(pairs[channel] = 1, "");
}

}  // namespace
}  // namespace qm
