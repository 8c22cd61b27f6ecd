// Counting, statistics and the display table of a band's histogram.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "band/histogram.h"
#include "tests/support/message_capture.h"

namespace qm {
namespace {

// Bins as value -> count; every other bin is 0.
using Bins = std::map<int, std::int32_t>;

Histogram withCounts(const Bins& bins) {
    Histogram histogram;
    for (const auto& [value, count] : bins)
        histogram.counts[value] = count;
    return histogram;
}

// A fixed scramble of byte values, so that counting is checked on bytes without a
// pattern that a wrong word split could still count right.
std::vector<std::uint8_t> scrambledBytes(std::size_t length) {
    std::vector<std::uint8_t> bytes(length);
    std::uint32_t seed = 12345;
    for (std::uint8_t& byte : bytes) {
        seed = seed * 1103515245u + 12345u;
        byte = static_cast<std::uint8_t>(seed >> 16);
    }
    return bytes;
}

TEST(Histogram, AccumulateCountsEveryByteWhateverTheLengthAndAlignment) {
    const std::vector<std::uint8_t> bytes = scrambledBytes(1100);
    for (std::size_t start : {0u, 1u, 3u}) {
        for (std::size_t length : {0u, 1u, 7u, 8u, 9u, 15u, 16u, 17u, 31u, 1003u}) {
            SCOPED_TRACE("start " + std::to_string(start) + " length " + std::to_string(length));
            std::array<std::int32_t, Histogram::kBins> expected{};
            for (std::size_t i = start; i < start + length; ++i)
                ++expected[bytes[i]];

            Histogram histogram;
            histogram.accumulate(bytes.data() + start, static_cast<std::int32_t>(length));
            EXPECT_EQ(histogram.counts, expected);
        }
    }
}

TEST(Histogram, AccumulateAddsToTheCountsAndTakesTheLengthAsThePixelTotal) {
    const std::vector<std::uint8_t> pixels = {0, 0, 200, 200};
    Histogram histogram;
    histogram.accumulate(pixels.data(), 4);
    EXPECT_EQ(histogram.mean, 100);
    EXPECT_EQ(histogram.deviation, 70);
    EXPECT_EQ(histogram.modeBin, 200);

    histogram.accumulate(pixels.data(), 4);
    EXPECT_EQ(histogram.counts[0], 4);
    EXPECT_EQ(histogram.counts[200], 4);
    // The second call's total is its own length, not the sum of the counts: four
    // pixels of value 200 over a total of 4.
    EXPECT_EQ(histogram.mean, 200);
}

struct StatisticsCase {
    const char* name;
    Bins bins;
    double pixels;
    std::int32_t mean;
    std::int32_t deviation;
    std::int32_t modeBin;
};

TEST(Histogram, StatisticsFollowTheBins) {
    const std::vector<StatisticsCase> cases = {
        // Value 0 adds nothing to either sum but counts in the total.
        {"half 0, half 200", {{0, 500}, {200, 500}}, 1000, 100, 70, 200},
        {"half 1, half 2: both truncated", {{1, 500}, {2, 500}}, 1000, 1, 0, 1},
        {"equal maxima: the lowest wins", {{10, 100}, {40, 300}, {90, 300}}, 700, 57, 30, 40},
        {"value 0 is never the mode", {{0, 900}, {5, 10}}, 910, 0, 0, 5},
        {"only zeros", {{0, 1000}}, 1000, 0, 0, 1},
        {"no pixels", {}, 0, 0, 0, 1},
        // 255 x 10,000,000 and 200 x 20,000,000 are past 32 bits.
        {"large products, one value", {{255, 10000000}}, 10000000, 255, 0, 255},
        {"large products, halves", {{0, 20000000}, {200, 20000000}}, 40000000, 100, 70, 200},
    };
    for (const StatisticsCase& c : cases) {
        SCOPED_TRACE(c.name);
        Histogram histogram = withCounts(c.bins);
        histogram.computeStatistics(c.pixels);
        EXPECT_EQ(histogram.mean, c.mean);
        EXPECT_EQ(histogram.deviation, c.deviation);
        EXPECT_EQ(histogram.modeBin, c.modeBin);
    }
}

struct DisplayCase {
    const char* name;
    Bins bins;
    std::int32_t scale;
    Bins heights;  // the bins checked; a bin not listed is checked for 0
    std::int32_t storedScale;
    std::size_t noticeBoxes;
};

TEST(Histogram, DisplayTableScalesTheModeToTheScaleAndCapsAt255) {
    const std::vector<DisplayCase> cases = {
        {"divisor 10", {{7, 995}, {50, 1000}, {51, 9}}, 100, {{7, 99}, {50, 100}, {51, 0}}, 100, 0},
        {"value 0 capped with one box",
         {{0, 5000}, {50, 1000}},
         100,
         {{0, 255}, {50, 100}},
         100,
         1},
        {"scale 0 behaves as 100", {{50, 1000}, {60, 500}}, 0, {{50, 100}, {60, 50}}, 100, 0},
        {"scale 50", {{50, 1000}, {60, 500}}, 50, {{50, 50}, {60, 25}}, 50, 0},
        {"mode rarer than the scale: one pixel per count",
         {{0, 300}, {3, 40}, {4, 7}},
         100,
         {{0, 255}, {3, 40}, {4, 7}},
         100,
         1},
        {"a box for every capped bar",
         {{10, 1000}, {20, 600}, {30, 100}},
         1000,
         {{10, 255}, {20, 255}, {30, 100}},
         1000,
         2},
        {"exactly 255 is not capped", {{0, 2550}, {50, 1000}}, 100, {{0, 255}, {50, 100}}, 100, 0},
    };
    for (const DisplayCase& c : cases) {
        SCOPED_TRACE(c.name);
        Histogram histogram = withCounts(c.bins);
        histogram.computeStatistics(1.0);
        histogram.heights.fill(-1);
        const test::MessageCapture capture;
        histogram.buildDisplayTable(c.scale);

        std::array<std::int32_t, Histogram::kBins> expected{};
        for (const auto& [value, height] : c.heights)
            expected[value] = height;
        EXPECT_EQ(histogram.heights, expected);
        EXPECT_EQ(histogram.scale, c.storedScale);
        ASSERT_EQ(capture.boxes().size(), c.noticeBoxes);
        for (const platform::MessageBoxRequest& box : capture.boxes()) {
            EXPECT_EQ(box.owner, nullptr);
            EXPECT_EQ(box.text, "");
            EXPECT_TRUE(box.defaultCaption);
            EXPECT_EQ(box.caption, "");
            EXPECT_EQ(box.style, platform::kMbOk);
        }
    }
}

}  // namespace
}  // namespace qm
