#include "app/message_step.h"

#include <windowsx.h>

namespace qm {

void handleMessage(MSG& message, HWND mainWindow, HACCEL shortcuts) {
    if (shortcuts && TranslateAcceleratorA(mainWindow, shortcuts, &message))
        return;
    sendWheelToPicture(message, mainWindow);
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

// The wheel messages carry the cursor in screen coordinates.
void sendWheelToPicture(MSG& message, HWND mainWindow) {
    if (message.message != WM_MOUSEWHEEL && message.message != WM_MOUSEHWHEEL)
        return;
    const HWND captured = GetCapture();
    if (captured && captured != mainWindow)
        return;
    const POINT cursor{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    if (WindowFromPoint(cursor) == mainWindow)
        message.hwnd = mainWindow;
}

}  // namespace qm
