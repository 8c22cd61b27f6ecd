// Wildcard directory search through FindFirstFileA / FindNextFileA.
#include <windows.h>

#include "platform/platform.h"

namespace qm::platform {

std::vector<std::string> findFiles(const std::string& pattern) {
    std::vector<std::string> names;
    if (!fitsPath(pattern) || pattern.empty())
        return names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

}  // namespace qm::platform
