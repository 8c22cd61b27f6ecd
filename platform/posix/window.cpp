// POSIX builds show no windows: every client area is empty.
#include "platform/common/window_system.h"

namespace qm::platform::system {

ClientSize clientAreaSize(void*) {
    return {};
}

}  // namespace qm::platform::system
