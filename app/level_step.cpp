#include "app/level_step.h"

#include <algorithm>
#include <cstdint>

namespace qm {

void stepLevel(LevelRange& range, LevelMember member, int delta) {
    std::int32_t& level = member == LevelMember::High ? range.high : range.low;
    const std::int64_t moved = std::int64_t{level} + delta;
    level = static_cast<std::int32_t>(std::clamp<std::int64_t>(moved, kLevelMin, kLevelMax));
    if (range.high <= range.low) {
        if (member == LevelMember::High)
            range.high = range.low + 1;
        else
            range.low = range.high - 1;
    }
}

}  // namespace qm
