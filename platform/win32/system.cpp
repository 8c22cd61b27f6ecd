// Windows side of the platform layer: the real kernel32 and user32 calls.
#include <windows.h>

#include <io.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "platform/common/system.h"
#include "platform/platform.h"

namespace qm::platform {

std::string toNativePath(std::string_view path) {
    return std::string(path);
}

std::string modulePath() {
    char buffer[kMaxPath];
    const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    // A full buffer means the path was cut.
    if (length == 0 || length >= sizeof buffer)
        return {};
    return std::string(buffer, length);
}

bool setCurrentDirectory(const std::string& path) {
    return fitsPath(path) && !path.empty() && SetCurrentDirectoryA(path.c_str()) != 0;
}

std::string currentDirectory() {
    char buffer[kMaxPath];
    const DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
    if (length == 0 || length >= sizeof buffer)
        return {};
    std::string path(buffer, length);
    if (path.back() != '\\')
        path.push_back('\\');
    return path;
}

std::int64_t fileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!fitsPath(path) || path.empty() ||
        !GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
        return -1;
    }
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return 0;
    return (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

namespace system {

std::FILE* openStream(const std::string& path, bool forWriting) {
    if (path.empty())
        return nullptr;
    return std::fopen(path.c_str(), forWriting ? "wb" : "rb");
}

bool seekStream(std::FILE* stream, std::int64_t offset) {
    return _fseeki64(stream, offset, SEEK_SET) == 0;
}

// ReadFile with an offset in its OVERLAPPED record reads there on a synchronous
// handle, whatever the stream's position.
std::size_t readStreamAt(std::FILE* stream, std::int64_t offset, void* buffer, std::size_t count) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    if (handle == INVALID_HANDLE_VALUE)
        return 0;
    auto* bytes = static_cast<unsigned char*>(buffer);
    std::size_t got = 0;
    while (got < count) {
        const std::uint64_t at = static_cast<std::uint64_t>(offset) + got;
        OVERLAPPED where{};
        where.Offset = static_cast<DWORD>(at);
        where.OffsetHigh = static_cast<DWORD>(at >> 32);
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(count - got, 1u << 30));
        DWORD arrived = 0;
        if (!ReadFile(handle, bytes + got, wanted, &arrived, &where) || arrived == 0)
            break;
        got += arrived;
    }
    return got;
}

int showMessageBox(const MessageBoxRequest& request) {
    // A null caption is what makes Windows use its own.
    const char* caption = request.defaultCaption ? nullptr : request.caption.c_str();
    return MessageBoxA(static_cast<HWND>(request.owner), request.text.c_str(), caption,
                       request.style);
}

}  // namespace system
}  // namespace qm::platform
