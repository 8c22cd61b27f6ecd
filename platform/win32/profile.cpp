// Initialisation files through the Windows profile functions.
#include <windows.h>

#include "platform/platform.h"

namespace qm::platform {

std::string profileString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& defaultValue,
                          std::size_t bufferSize) {
    if (bufferSize == 0)
        return {};
    if (!fitsPath(file)) {
        std::string result = defaultValue;
        if (result.size() > bufferSize - 1)
            result.resize(bufferSize - 1);
        return result;
    }
    std::string buffer(bufferSize, '\0');
    const DWORD length =
        GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(),
                                 static_cast<DWORD>(bufferSize), file.c_str());
    buffer.resize(length);
    return buffer;
}

int profileInt(const std::string& file, const std::string& section, const std::string& key,
               int defaultValue) {
    if (!fitsPath(file))
        return defaultValue;
    return static_cast<int>(
        GetPrivateProfileIntA(section.c_str(), key.c_str(), defaultValue, file.c_str()));
}

}  // namespace qm::platform
