// Counting rows as they are announced, on a worker thread or on the caller's.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "band/histogram.h"
#include "band/row_count_worker.h"

namespace qm {
namespace {

using Counts = std::array<std::int32_t, Histogram::kBins>;

constexpr std::size_t kRowBytes = 37;
constexpr std::int32_t kRows = 50;

std::vector<std::uint8_t> rowBytes() {
    std::vector<std::uint8_t> bytes(kRowBytes * kRows);
    std::uint32_t seed = 7;
    for (std::uint8_t& byte : bytes) {
        seed = seed * 1664525u + 1013904223u;
        byte = static_cast<std::uint8_t>(seed >> 24);
    }
    return bytes;
}

Counts countsOf(const std::vector<std::uint8_t>& bytes, std::size_t length) {
    Counts counts{};
    for (std::size_t i = 0; i < length; ++i)
        ++counts[bytes[i]];
    return counts;
}

TEST(RowCountWorker, CountsEveryAnnouncedRowOnceWhicheverThreadCounts) {
    const std::vector<std::uint8_t> bytes = rowBytes();
    // Announcements may repeat a count; the last one need not reach every row.
    const struct {
        std::vector<std::int32_t> announcements;
        std::int32_t counted;
    } cases[] = {
        {{kRows}, kRows},
        {{1, 1, 2, 17, 17, 49, kRows}, kRows},
        {{3, 20}, 20},
        {{}, 0},
    };
    for (const bool useThread : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(useThread ? "thread, " : "caller, ") +
                         std::to_string(c.announcements.size()) + " announcements");
            PixelCounter counter;
            {
                RowCountWorker worker(bytes.data(), kRowBytes, counter, useThread);
                for (const std::int32_t rows : c.announcements)
                    worker.rowsPlaced(rows);
                worker.finish();
            }
            Counts counts{};
            counter.addTo(counts);
            EXPECT_EQ(counts, countsOf(bytes, static_cast<std::size_t>(c.counted) * kRowBytes));
        }
    }
}

}  // namespace
}  // namespace qm
