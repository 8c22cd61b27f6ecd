#include <utility>

#include "platform/common/system.h"
#include "platform/platform.h"

namespace qm::platform {
namespace {

// The program runs on one GUI thread; the handler is set by tests before they show
// anything, so no lock is needed.
MessageBoxHandler& currentHandler() {
    static MessageBoxHandler handler;
    return handler;
}

}  // namespace

int messageBox(void* owner, const std::string& text, const std::string& caption, unsigned style) {
    if (const MessageBoxHandler& handler = currentHandler()) {
        return handler(MessageBoxRequest{owner, text, caption, style});
    }
    return system::showMessageBox(owner, text, caption, style);
}

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(currentHandler(), std::move(handler));
}

}  // namespace qm::platform
