#include <windows.h>

#include "platform/common/window_system.h"

namespace qm::platform::system {

// A window that is gone (or none) has no client area.
ClientSize clientAreaSize(void* window) {
    RECT rect{};
    if (!GetClientRect(static_cast<HWND>(window), &rect))
        return {};
    return {static_cast<int>(rect.right - rect.left), static_cast<int>(rect.bottom - rect.top)};
}

}  // namespace qm::platform::system
