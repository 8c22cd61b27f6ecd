#include "band/histogram.h"

#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>

#include "platform/platform.h"

namespace qm {
namespace {

using Counts = std::array<std::int32_t, Histogram::kBins>;

// Bytes counted per round: four 32-bit words, unrolled.
constexpr std::size_t kStepBytes = 16;

// Truncated toward zero and held within 32 bits; a value that is not a number,
// which only counts out of step with the pixel total can give, is 0.
std::int32_t truncatedToInt32(double value) {
    if (std::isnan(value))
        return 0;
    constexpr double kLow = std::numeric_limits<std::int32_t>::min();
    constexpr double kHigh = std::numeric_limits<std::int32_t>::max();
    if (value <= kLow)
        return std::numeric_limits<std::int32_t>::min();
    if (value >= kHigh)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

// Value 0 never becomes the mode; of equal counts the lowest value wins.
std::int32_t modeOf(const Counts& counts) {
    std::int32_t mode = 1;
    for (int i = 1; i < Histogram::kBins; ++i) {
        if (counts[i] > counts[mode])
            mode = i;
    }
    return mode;
}

// Each term is divided by n before it is added. Products are formed in 64 bits:
// a value occurring more than INT32_MAX / i times would overflow 32.
double meanOf(const Counts& counts, double n) {
    double sum = 0;
    for (int i = 1; i < Histogram::kBins; ++i)
        sum += static_cast<double>(std::int64_t{i} * counts[i]) / n;
    return sum;
}

// The spread around the truncated mean; value 0 adds nothing although n counts it.
double deviationOf(const Counts& counts, std::int32_t mean, double n) {
    double sum = 0;
    for (int i = 1; i < Histogram::kBins; ++i) {
        const double d = static_cast<double>(std::int64_t{i} - mean);
        sum += d * d * counts[i];
    }
    return std::sqrt(sum / n);
}

// The notice that a bar was cut: no owner, no text, the system's own caption.
void showCappedNotice() {
    platform::messageBox(nullptr, "", platform::kDefaultCaption, platform::kMbOk);
}

}  // namespace

void PixelCounter::add(const std::uint8_t* bytes, std::size_t length) {
    std::size_t i = 0;
    for (; i + kStepBytes <= length; i += kStepBytes) {
        std::uint32_t words[kStepBytes / 4];
        std::memcpy(words, bytes + i, kStepBytes);
        // Byte k of every word goes to table k. Which byte goes to which table does
        // not change the totals, so the machine's byte order does not matter here.
        for (const std::uint32_t word : words) {
            ++tables_[0][word & 0xFF];
            ++tables_[1][(word >> 8) & 0xFF];
            ++tables_[2][(word >> 16) & 0xFF];
            ++tables_[3][word >> 24];
        }
    }
    for (; i < length; ++i)
        ++tables_[0][bytes[i]];
}

void PixelCounter::addTo(std::array<std::int32_t, 256>& counts) const {
    for (int v = 0; v < Histogram::kBins; ++v) {
        std::uint32_t total = static_cast<std::uint32_t>(counts[v]);
        for (const auto& table : tables_)
            total += table[v];
        counts[v] = static_cast<std::int32_t>(total);
    }
}

void Histogram::accumulate(const std::uint8_t* bytes, std::int32_t length) {
    const std::int32_t counted = bytes == nullptr || length < 0 ? 0 : length;
    PixelCounter counter;
    counter.add(bytes, static_cast<std::size_t>(counted));
    counter.addTo(counts);
    computeStatistics(static_cast<double>(counted));
}

void Histogram::computeStatistics(double n) {
    modeBin = modeOf(counts);
    if (!(n > 0)) {
        mean = 0;
        deviation = 0;
        return;
    }
    mean = truncatedToInt32(meanOf(counts, n));
    deviation = truncatedToInt32(deviationOf(counts, mean, n));
}

void Histogram::buildDisplayTable(std::int32_t requestedScale) {
    const std::int32_t used = requestedScale == 0 ? kDefaultScale : requestedScale;
    // In 64 bits, so that no count and scale pair can overflow the division.
    std::int64_t divisor = std::int64_t{counts[modeBin]} / used;
    // A mode rarer than the scale leaves no whole divisor: one pixel per count then.
    if (divisor == 0)
        divisor = 1;
    for (int i = 0; i < kBins; ++i) {
        std::int64_t height = counts[i] / divisor;
        if (height > kMaxHeight) {
            height = kMaxHeight;
            showCappedNotice();
        }
        heights[i] = static_cast<std::int32_t>(height);
    }
    scale = used;
}

}  // namespace qm
