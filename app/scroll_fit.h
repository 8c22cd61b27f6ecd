// What a scroll bar holds along one axis of the picture: its range, its page and
// its position, from the picture's extent, the image area and the zoom.
#pragma once

#include <windows.h>

#include <cstdint>

#include "view/zoom.h"

namespace qm {

// Fits the state to a picture of `pictureExtent` source pixels (lines or columns)
// seen through an image area of `areaExtent` screen pixels at the zoom:
// - the page is the area's extent in whole source pixels: the area times the
//   subsampling factor, or divided by the magnification (a pixel the edge cuts
//   does not count, so at the far end the last one shows whole);
// - the range runs from 0 over the picture, and never less than a page: a bar cuts
//   a page down to its range, so a picture that fits the area gets a range of one
//   page, in which only position 0 is reachable and the bar shows disabled;
// - the position is kept where the bar lets it go, up to the range's end less a
//   page, where the last line (or column) of the picture meets the area's edge.
// fMask asks for all of it, so the bar holds what the state holds.
void fitScrollState(SCROLLINFO& state, std::int32_t pictureExtent, int areaExtent, Zoom zoom);

// The position brought within what the bar reaches: from the range's start up to
// its end less a page (less nothing without a page).
int reachablePosition(const SCROLLINFO& state, std::int64_t position);

}  // namespace qm
