// Full paths on POSIX: the current directory in front, "." and ".." resolved by name.
#include <filesystem>
#include <system_error>

#include "platform/platform.h"

namespace qm::platform {

std::string fullPath(const std::string& path) {
    if (path.empty())
        return {};
    std::error_code error;
    const std::filesystem::path absolute =
        std::filesystem::absolute(std::filesystem::path(toNativePath(path)), error);
    if (error)
        return {};
    const std::string result = fromNativePath(absolute.lexically_normal().string());
    return fitsPath(result) ? result : std::string();
}

}  // namespace qm::platform
