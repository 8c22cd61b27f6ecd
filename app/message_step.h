// One message of the program's loop: a keyboard shortcut becomes its command, a
// wheel turned over the picture goes to the main window, and everything else is
// translated and dispatched as usual.
#pragma once

#include <windows.h>

namespace qm {

// The accelerator table of the resources, named by a string as the menu is.
inline constexpr char kShortcutsName[] = "IDR_SHORTCUTS";

// Runs one message taken from the queue; `shortcuts` may be null (no table).
void handleMessage(MSG& message, HWND mainWindow, HACCEL shortcuts);

// Wheel messages go to the window with the keyboard focus, often a band chooser,
// which would turn its selection. A wheel turned with the cursor over the main
// window's own client area (the picture or the panels' background, not a control)
// is handed to the main window instead, unless another window holds the mouse: an
// open chooser's list keeps its wheel wherever the cursor is.
void sendWheelToPicture(MSG& message, HWND mainWindow);

}  // namespace qm
