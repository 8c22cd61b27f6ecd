#include <utility>

#include "platform/common/window_system.h"
#include "platform/window.h"

namespace qm::platform {
namespace {

// Set by tests on the GUI thread before any window is asked; no lock is needed.
ClientSizeHandler& currentHandler() {
    static ClientSizeHandler handler;
    return handler;
}

}  // namespace

ClientSize clientSize(void* window) {
    if (const ClientSizeHandler& handler = currentHandler())
        return handler(window);
    return system::clientAreaSize(window);
}

ClientSizeHandler setClientSizeHandler(ClientSizeHandler handler) {
    return std::exchange(currentHandler(), std::move(handler));
}

}  // namespace qm::platform
