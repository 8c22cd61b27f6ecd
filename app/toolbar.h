// The toolbar: six buttons with pictures from the toolbar bitmap, in two groups
// parted by separators, and the string ids of their tooltips.
#pragma once

#include <windows.h>

namespace qm {

HWND createToolbar(HWND parent, HINSTANCE instance);

// The tooltip's string id for a button's command id; 0 for any other id.
UINT tooltipStringId(UINT_PTR command);

}  // namespace qm
