// How the picture is scaled in the image area: every `subsample`-th source pixel of
// every `subsample`-th line (1 shows each one), or each source pixel drawn as a
// `magnification` x `magnification` block (2, 4, 8 or 16); never both at once.
#pragma once

#include <cstdint>

namespace qm {

struct Zoom {
    static constexpr std::int32_t kLargestMagnification = 16;

    std::int32_t subsample = 1;
    std::int32_t magnification = 1;

    bool operator==(const Zoom&) const = default;
    bool magnified() const { return magnification > 1; }

    // The whole source pixels that `screen` screen pixels show, or that a move of
    // that many carries the picture (negative for a move back): a magnified pixel cut
    // by the area's edge does not count, and a drag moves by whole source pixels.
    std::int64_t sourcePixelsIn(std::int64_t screen) const {
        return magnified() ? screen / magnification : screen * subsample;
    }
};

}  // namespace qm
