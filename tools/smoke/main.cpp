// Shows the smoke window until it is closed.
#include "tools/smoke/smoke_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    qm::smoke::SmokeWindow window;
    if (!window.create(instance, "Quillmere"))
        return 1;
    ShowWindow(window.hwnd(), showCommand);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
