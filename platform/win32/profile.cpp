// Initialisation files through the Windows profile functions.
#include <windows.h>

#include "platform/platform.h"

namespace qm::platform {
namespace {

// The profile functions look for a file named without a folder in the Windows
// folder; a relative path counts from the current directory here, as every other
// path does. Empty when the path does not fit.
std::string profileFile(const std::string& file) {
    if (!fitsPath(file))
        return {};
    const std::string full = fullPath(file);
    return full.empty() ? file : full;
}

}  // namespace

std::string profileString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& defaultValue,
                          std::size_t bufferSize) {
    if (bufferSize == 0)
        return {};
    const std::string path = profileFile(file);
    if (path.empty()) {
        std::string result = defaultValue;
        if (result.size() > bufferSize - 1)
            result.resize(bufferSize - 1);
        return result;
    }
    std::string buffer(bufferSize, '\0');
    const DWORD length =
        GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(),
                                 static_cast<DWORD>(bufferSize), path.c_str());
    buffer.resize(length);
    return buffer;
}

int profileInt(const std::string& file, const std::string& section, const std::string& key,
               int defaultValue) {
    const std::string path = profileFile(file);
    if (path.empty())
        return defaultValue;
    return static_cast<int>(
        GetPrivateProfileIntA(section.c_str(), key.c_str(), defaultValue, path.c_str()));
}

}  // namespace qm::platform
