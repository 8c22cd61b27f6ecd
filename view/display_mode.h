// How the view shows its channels: one band in grey, or three bands as red, green
// and blue. Each mode's value is the number of channels it shows, which the view,
// the panels and the export count with; None assigns nothing.
#pragma once

#include <cstdint>

namespace qm {

enum class DisplayMode : std::int32_t {
    None = 0,
    SingleBand = 1,
    ThreeBand = 3,
};

// The channels a mode shows (and the panels drawn for it): 1, 3, or 0 for None.
constexpr int shownChannels(DisplayMode mode) {
    return mode == DisplayMode::SingleBand || mode == DisplayMode::ThreeBand
               ? static_cast<int>(mode)
               : 0;
}

}  // namespace qm
