// Wildcard directory search with the rules of FindFirstFileA / FindNextFileA.
#include <dirent.h>

#include <algorithm>
#include <memory>

#include "platform/platform.h"
#include "text/ascii.h"

namespace qm::platform {
namespace {

// '*' matches any run of characters, '?' exactly one; letters match without regard
// to case. Trailing '.' and '*' in the pattern may match nothing, so "NAME." finds
// NAME and "*.*" finds names without a dot, as on Windows.
bool matchesWildcard(std::string_view name, std::string_view pattern) {
    std::size_t n = 0, p = 0;
    std::size_t starPattern = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starPattern = ++p;
            starName = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || asciiUpper(pattern[p]) == asciiUpper(name[n]))) {
            ++p;
            ++n;
        } else if (starPattern != std::string_view::npos) {
            p = starPattern;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && (pattern[p] == '*' || pattern[p] == '.'))
        ++p;
    return p == pattern.size();
}

// Case-insensitive name order, letters folded to upper case as NTFS does.
bool nameOrder(const std::string& a, const std::string& b) {
    const auto folded = [](const std::string& s, std::size_t i) {
        return static_cast<unsigned char>(asciiUpper(s[i]));
    };
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (folded(a, i) != folded(b, i))
            return folded(a, i) < folded(b, i);
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

}  // namespace

std::vector<std::string> findFiles(const std::string& pattern) {
    if (!fitsPath(pattern) || pattern.empty())
        return {};
    const std::string folder = folderOf(pattern);
    const std::string directory = folder.empty() ? std::string(".") : folder;
    const std::string mask = pattern.substr(folder.size());

    std::unique_ptr<DIR, DirCloser> dir(opendir(toNativePath(directory).c_str()));
    if (!dir)
        return {};
    std::vector<std::string> names;
    while (const dirent* entry = readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        if (matchesWildcard(name, mask))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), nameOrder);
    return names;
}

}  // namespace qm::platform
