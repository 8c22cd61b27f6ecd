// Full paths on Windows: GetFullPathNameA, which also resolves drive-relative paths.
#include <windows.h>

#include "platform/platform.h"

namespace qm::platform {

std::string fullPath(const std::string& path) {
    if (path.empty() || !fitsPath(path))
        return {};
    char buffer[kMaxPath];
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
    // A length of the buffer or more is the size the full path would need.
    if (length == 0 || length >= sizeof buffer)
        return {};
    return std::string(buffer, length);
}

}  // namespace qm::platform
