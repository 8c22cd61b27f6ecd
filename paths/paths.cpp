#include "paths/paths.h"

#include "platform/platform.h"

namespace qm {
namespace {

constexpr char kConfigurationFileName[] = "QMDATA.INI";

// A byte that opens a Shift-JIS double-byte character.
bool isLeadByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Index of the last backslash, npos when there is none. The trail byte of a
// double-byte character can be 0x5C without being a backslash (a folder named with
// such a character must not be cut in half), so the scan steps over whole characters.
std::size_t lastBackslash(std::string_view path) {
    std::size_t found = std::string_view::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (isLeadByte(path[i]) && i + 1 < path.size()) {
            ++i;
        } else if (path[i] == '\\') {
            found = i;
        }
    }
    return found;
}

std::string& configurationOverride() {
    static std::string path;
    return path;
}

}  // namespace

std::string executableDirectory() {
    return directoryOf(platform::modulePath());
}

std::string executableFilePath(std::string_view name) {
    std::string directory = executableDirectory();
    if (directory.empty())
        return {};
    return directory.append(name);
}

std::string directoryOf(std::string_view path) {
    const std::size_t separator = lastBackslash(path);
    if (separator == std::string_view::npos)
        return {};
    return std::string(path.substr(0, separator + 1));
}

std::string productDirectoryOf(std::string_view labelPath) {
    // '.' is never the trail byte of a double-byte character, so a plain byte search
    // finds the real last dot. A dot in the first place would leave no name at all.
    const std::size_t dot = labelPath.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return {};
    return std::string(labelPath.substr(0, dot)) + '\\';
}

std::string lastPathComponent(std::string_view path) {
    const std::size_t separator = lastBackslash(path);
    if (separator == std::string_view::npos)
        return std::string(path);
    return std::string(path.substr(separator + 1));
}

std::string configurationFilePath() {
    const std::string& chosen = configurationOverride();
    return chosen.empty() ? executableFilePath(kConfigurationFileName) : chosen;
}

void setConfigurationFilePath(std::string_view path) {
    configurationOverride() = path;
}

}  // namespace qm
