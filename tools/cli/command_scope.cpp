#include "tools/cli/command_scope.h"

#include "paths/paths.h"
#include "platform/platform.h"

namespace qm::cli {

CurrentDirectoryKeeper::CurrentDirectoryKeeper() : saved_(platform::currentDirectory()) {}

CurrentDirectoryKeeper::~CurrentDirectoryKeeper() {
    if (!saved_.empty())
        platform::setCurrentDirectory(saved_);
}

ConfigurationChoice::ConfigurationChoice(const std::string& path) {
    setConfigurationFilePath(path);
}

ConfigurationChoice::~ConfigurationChoice() {
    setConfigurationFilePath("");
}

std::string fullProgramPath(const std::string& typed) {
    if (typed.empty())
        return {};
    const std::string programPath = platform::fromNativePath(typed);
    const std::string full = platform::fullPath(programPath);
    return full.empty() ? programPath : full;
}

}  // namespace qm::cli
