// The operating system's side of platform/window.h, one per platform.
#pragma once

#include "platform/window.h"

namespace qm::platform::system {

ClientSize clientAreaSize(void* window);

}  // namespace qm::platform::system
