// A path from a command line or the file system may use '/'; the program's own
// form always uses the backslash.
#include "platform/platform.h"

namespace qm::platform {

std::string fromNativePath(std::string_view path) {
    std::string result(path);
    for (char& c : result) {
        if (c == '/')
            c = '\\';
    }
    return result;
}

std::string folderOf(std::string_view path) {
    const std::size_t separator = lastPathSeparator(path);
    return separator == std::string_view::npos ? std::string()
                                               : std::string(path.substr(0, separator + 1));
}

}  // namespace qm::platform
