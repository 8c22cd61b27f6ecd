// A display channel's input level pair as the level controls hold it, high first.
// The view copies it into the band's histogram (low, high) when levels are applied.
#pragma once

#include <array>
#include <cstdint>

namespace qm {

struct LevelRange {
    std::int32_t high = 255;
    std::int32_t low = 0;
};

using ChannelLevels = std::array<LevelRange, 3>;

}  // namespace qm
