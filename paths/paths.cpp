#include "paths/paths.h"

#include "platform/platform.h"

namespace qm {
namespace {

constexpr char kConfigurationFileName[] = "QMDATA.INI";

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
    return platform::folderOf(path);
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
    const std::size_t separator = platform::lastPathSeparator(path);
    if (separator == std::string_view::npos)
        return std::string(path);
    return std::string(path.substr(separator + 1));
}

std::string configurationFilePath() {
    return executableFilePath(kConfigurationFileName);
}

}  // namespace qm
