// The control panel's children, each created at its place with its id, style and
// first state.
#pragma once

#include <windows.h>

namespace qm {

// Channel's band chooser: a drop-down list holding "do not display", selected.
HWND createBandChooser(HWND parent, HINSTANCE instance, int channel);

// A horizontal up-down without buddy, within the level limits, at the position.
HWND createLevelSpin(HWND parent, HINSTANCE instance, int id, int x, int y, int position);

// An empty scroll bar (SBS_VERT or SBS_HORZ) that the first WM_SIZE places.
HWND createScrollBar(HWND parent, HINSTANCE instance, int id, DWORD orientation);

}  // namespace qm
