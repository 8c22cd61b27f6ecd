#include "tools/smoke/smoke_window.h"

#include "tools/smoke/smoke_resources.h"

namespace qm::smoke {

namespace {

bool registerClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSA existing{};
    if (GetClassInfoA(instance, SmokeWindow::kClassName, &existing))
        return true;
    WNDCLASSA wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszMenuName = SmokeWindow::kMenuName;
    wc.lpszClassName = SmokeWindow::kClassName;
    return RegisterClassA(&wc) != 0;
}

}  // namespace

SmokeWindow::~SmokeWindow() {
    if (hwnd_)
        DestroyWindow(hwnd_);
}

bool SmokeWindow::create(HINSTANCE instance, const char* title) {
    if (!registerClass(instance, &SmokeWindow::windowProc))
        return false;
    CreateWindowExA(0, kClassName, title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 480,
                    320, nullptr, nullptr, instance, this);
    return hwnd_ != nullptr;
}

// The object pointer travels in WM_NCCREATE and lives in the window's user data.
LRESULT CALLBACK SmokeWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<SmokeWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<SmokeWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    return self->handleMessage(message, wParam, lParam);
}

LRESULT SmokeWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            onCommand(wParam);
            return 0;
        case WM_DESTROY:
            onDestroy();
            return 0;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void SmokeWindow::onCommand(WPARAM wParam) {
    if (LOWORD(wParam) == IDM_SMOKE_OPEN) {
        MessageBoxA(hwnd_, "Quillmere", "Quillmere", MB_OK);
    }
}

// Detaching the object here means a window destroyed from outside (or the object
// destroyed first) never leaves a dangling pointer in either direction.
void SmokeWindow::onDestroy() {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    PostQuitMessage(0);
}

}  // namespace qm::smoke
