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

int show(const MessageBoxRequest& request) {
    if (const MessageBoxHandler& handler = currentHandler())
        return handler(request);
    return system::showMessageBox(request);
}

}  // namespace

int messageBox(void* owner, const std::string& text, const std::string& caption, unsigned style) {
    return show(MessageBoxRequest{owner, text, caption, style, false});
}

int messageBox(void* owner, const std::string& text, DefaultCaption, unsigned style) {
    return show(MessageBoxRequest{owner, text, std::string(), style, true});
}

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(currentHandler(), std::move(handler));
}

}  // namespace qm::platform
