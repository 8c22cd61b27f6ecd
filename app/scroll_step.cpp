#include "app/scroll_step.h"

namespace qm {
namespace {

// Positions wrap in 32 bits, as the scroll record holds them, however many page
// steps go past either end.
int moved(int position, UINT amount, bool forward) {
    const unsigned start = static_cast<unsigned>(position);
    return static_cast<int>(forward ? start + amount : start - amount);
}

// The message carries 16 bits of the thumb's place; a picture longer than that
// would have its far part folded back onto its start.
int thumbPosition(const SCROLLINFO& state, WPARAM wParam, int trackPosition) {
    return state.nMax > kLargestMessagePosition ? trackPosition : HIWORD(wParam);
}

}  // namespace

int scrolledPosition(const SCROLLINFO& state, WPARAM wParam, int trackPosition) {
    const int position = state.nPos;
    // clang-format off
    switch (LOWORD(wParam)) {
        case SB_LINEUP:        return position == 0 ? position : moved(position, kLineStep, false);
        case SB_LINEDOWN:      return position < state.nMax - 9 ? position + kLineStep : position;
        case SB_PAGEUP:        return moved(position, state.nPage, false);
        case SB_PAGEDOWN:      return moved(position, state.nPage, true);
        case SB_THUMBPOSITION: return thumbPosition(state, wParam, trackPosition);
        case SB_TOP:           return state.nMin;
        case SB_BOTTOM:        return state.nMax;
        default:               return position;  // SB_THUMBTRACK, SB_ENDSCROLL, ...
    }
    // clang-format on
}

}  // namespace qm
