// Where a scroll request moves the position of a scroll state. Page steps are not
// limited; line steps right or down stop 9 short of the range's end; dragging the
// thumb moves nothing until it is let go.
#pragma once

#include <windows.h>

namespace qm {

// A line step moves one source line (or column), whatever the zoom.
inline constexpr int kLineStep = 1;

// The largest position the thumb's place in a scroll message can carry.
inline constexpr int kLargestMessagePosition = 0xFFFF;

// The new position for the request in wParam (request code in the low 16 bits,
// thumb position in the high 16 bits). trackPosition is the bar's own record of
// where its thumb was let go, in 32 bits: a range past what the message carries
// takes the thumb's place from there.
int scrolledPosition(const SCROLLINFO& state, WPARAM wParam, int trackPosition);

}  // namespace qm
