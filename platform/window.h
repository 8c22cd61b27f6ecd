// What the portable code asks of a window: the size of its client area. Window
// handles travel as void*, so the core never sees <windows.h>.
#pragma once

#include <functional>

namespace qm::platform {

struct ClientSize {
    int width = 0;
    int height = 0;
};

// The client area of the window: GetClientRect on Windows. POSIX has no windows
// and answers 0 x 0. While a handler is set (see below) it answers instead, so
// portable tests can give the view any client size.
ClientSize clientSize(void* window);

using ClientSizeHandler = std::function<ClientSize(void* window)>;

// Installs the handler that answers every clientSize call from now on (an empty
// handler restores the system's answer). Returns the handler it replaces.
ClientSizeHandler setClientSizeHandler(ClientSizeHandler handler);

}  // namespace qm::platform
