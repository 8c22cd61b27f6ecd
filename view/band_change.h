// What the viewer's band change and automatic levels do to the view and to the main
// window's level pairs, apart from the window's own controls (band choosers, scroll
// bars), so the command-line tool can run the same steps.
#pragma once

#include <array>

#include "view/level_range.h"

namespace qm {

class BandImage;
class ImageView;

// The band chosen for each display channel (0 red, 1 green, 2 blue); null leaves
// the channel without a band. In single-band mode only the first one is shown.
using ChosenBands = std::array<BandImage*, 3>;

// Shows the chosen bands. Bands that differ in file size, line count or pixels
// per line are refused with a message box owned by `owner`, and nothing changes
// (false). Otherwise the pixels of shown bands that are not chosen again are
// freed, every channel's pair goes back to high 255, low 0, the view takes and
// loads the bands, and the pairs are applied (true). A band that fails to load is
// reported by the view; the result is still true.
bool changeBands(ImageView& view, const ChosenBands& chosen, ChannelLevels& levels, void* owner);

// Sets each channel's pair from its band's mean and deviation, scaled by the
// spread of all three, and applies them (true). Refused with a message box
// (false, pairs unchanged) in single-band mode, when a channel has no band, or
// when a channel's band has no histogram.
bool applyTrueColourLevels(ImageView& view, ChannelLevels& levels);

// The stretches of each shown channel by its own band's histogram: between the
// `percent` and 100 - `percent` percentiles (clippedLevels), or `k` deviations
// either side of the mean (deviationLevels). The new pairs are applied. A channel
// without a band, or whose band failed to load, keeps its pair. False, and nothing
// changed, when no channel shows a band; no message either way.
bool applyClippedLevels(ImageView& view, ChannelLevels& levels, double percent);
bool applyDeviationLevels(ImageView& view, ChannelLevels& levels, double k);

}  // namespace qm
