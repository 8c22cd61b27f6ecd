#include "view/level_form.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qm {
namespace {

constexpr int kValues = 256;
constexpr std::int32_t kTop = 255;
constexpr std::int64_t kInt32Limit = std::int64_t{1} << 31;
// The shift is at most this, so that the offset, which carries an output byte in
// units of 2^shift, leaves room in 32 bits for 255 times the multiplier.
constexpr std::int32_t kLargestShift = 21;
// Multipliers tried on either side of the nearest one: the table's rounding may
// want a slope a hair off the levels' own.
constexpr std::int32_t kMultiplierReach = 3;
// Smaller shifts tried after the largest that fits, each with less precision.
constexpr std::int32_t kShiftsTried = 8;

struct Interval {
    std::int64_t low = std::numeric_limits<std::int64_t>::min();
    std::int64_t high = std::numeric_limits<std::int64_t>::max();
};

bool matches(const LevelForm& form, const LevelTable& table) {
    for (int p = 0; p < kValues; ++p) {
        if (applyLevelForm(form, static_cast<std::uint8_t>(p)) != table[p])
            return false;
    }
    return true;
}

std::optional<LevelForm> identityForm(const LevelTable& table) {
    const LevelForm identity{1, 0, 0};
    return matches(identity, table) ? std::optional(identity) : std::nullopt;
}

std::optional<LevelForm> constantForm(const LevelTable& table) {
    const LevelForm constant{0, table[0], 0};
    return matches(constant, table) ? std::optional(constant) : std::nullopt;
}

// The offsets with which (p * multiplier + offset) >> shift, held to 0..255, is
// table[p] for every p: at least table[p] (unless that is 0, which anything below
// also gives) and below table[p] + 1 (unless that is 255).
Interval offsetsFor(const LevelTable& table, std::int64_t multiplier, std::int32_t shift) {
    const std::int64_t unit = std::int64_t{1} << shift;
    Interval offsets;
    for (int p = 0; p < kValues; ++p) {
        const std::int64_t t = table[p];
        const std::int64_t product = p * multiplier;
        if (t > 0)
            offsets.low = std::max(offsets.low, t * unit - product);
        if (t < kTop)
            offsets.high = std::min(offsets.high, (t + 1) * unit - 1 - product);
    }
    return offsets;
}

// Every sum the vector code forms stays inside signed 32 bits.
bool fitsInt32(std::int64_t multiplier, std::int64_t offset) {
    const std::int64_t ends[] = {offset, kTop * multiplier + offset};
    return std::all_of(std::begin(ends), std::end(ends),
                       [](std::int64_t y) { return y > -kInt32Limit && y < kInt32Limit; });
}

std::optional<LevelForm> formWithShift(const LevelTable& table, double slope, std::int32_t shift) {
    const auto nearest = static_cast<std::int64_t>(std::llround(std::ldexp(slope, shift)));
    for (std::int64_t step = 0; step <= 2 * kMultiplierReach; ++step) {
        // nearest, nearest + 1, nearest - 1, nearest + 2, ...
        const std::int64_t multiplier = nearest + (step % 2 ? (step + 1) / 2 : -(step / 2));
        if (multiplier <= -kLevelFormMultiplierLimit || multiplier >= kLevelFormMultiplierLimit)
            continue;
        const Interval offsets = offsetsFor(table, multiplier, shift);
        if (offsets.low > offsets.high)
            continue;
        const std::int64_t offset = offsets.low + (offsets.high - offsets.low) / 2;
        if (!fitsInt32(multiplier, offset))
            continue;
        const LevelForm form{static_cast<std::int32_t>(multiplier),
                             static_cast<std::int32_t>(offset), shift};
        if (matches(form, table))
            return form;
    }
    return std::nullopt;
}

// The largest shift at which the slope, with room for the multipliers tried
// around it, stays within the multiplier's limit.
std::int32_t largestShiftFor(double slope) {
    std::int32_t shift = kLargestShift;
    const double room = kLevelFormMultiplierLimit - 2 * kMultiplierReach;
    while (shift > 0 && std::fabs(std::ldexp(slope, shift)) >= room)
        --shift;
    return shift;
}

}  // namespace

std::uint8_t applyLevelForm(const LevelForm& form, std::uint8_t pixel) {
    const std::int64_t y = std::int64_t{pixel} * form.multiplier + form.offset;
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(y >> form.shift, 0, kTop));
}

std::optional<LevelForm> levelForm(const LevelTable& table, LevelRange levels) {
    if (const std::optional<LevelForm> identity = identityForm(table))
        return identity;
    if (const std::optional<LevelForm> constant = constantForm(table))
        return constant;
    // Only a real slope leaves a table that is not constant.
    const std::int64_t range = std::int64_t{levels.high} - levels.low;
    if (range == 0)
        return std::nullopt;
    const double slope = 255.0 / static_cast<double>(range);
    const std::int32_t largest = largestShiftFor(slope);
    for (std::int32_t shift = largest; shift >= 0 && shift > largest - kShiftsTried; --shift) {
        if (const std::optional<LevelForm> form = formWithShift(table, slope, shift))
            return form;
    }
    return std::nullopt;
}

}  // namespace qm
