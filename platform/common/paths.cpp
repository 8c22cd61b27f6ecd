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

}  // namespace qm::platform
