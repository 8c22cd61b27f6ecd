// An input level pair, high first: a display channel's pair as the level controls
// hold it, and the pair a band's pixels are mapped through (`low` maps to 0 and
// `high` to 255). Nothing keeps low below high.
#pragma once

#include <array>
#include <cstdint>

namespace qm {

struct LevelRange {
    std::int32_t high = 255;
    std::int32_t low = 0;

    bool operator==(const LevelRange&) const = default;
};

using ChannelLevels = std::array<LevelRange, 3>;

// The limits of the level up-downs, which the automatic stretches keep to as well.
inline constexpr int kLevelMin = -100;
inline constexpr int kLevelMax = 300;

}  // namespace qm
