// Windows side of the platform layer: the real kernel32 and user32 calls.
#include <windows.h>

#include <io.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "platform/common/system.h"
#include "platform/platform.h"
#include "platform/win32/wide_text.h"

namespace qm::platform {

std::string toNativePath(std::string_view path) {
    return std::string(path);
}

namespace {

// A byte that opens a Shift-JIS double-byte character.
bool isLeadByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// What a system error means for writing a file.
WriteFailure writeFailureOfSystemError(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_DIRECTORY:
            return WriteFailure::FolderMissing;
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return WriteFailure::AccessDenied;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return WriteFailure::DiskFull;
        case ERROR_FILENAME_EXCED_RANGE:
        case ERROR_BUFFER_OVERFLOW:
            return WriteFailure::NameTooLong;
        default:
            return WriteFailure::Other;
    }
}

// The long form of an existing path (short 8.3 components spelled out), or the
// path itself.
std::string longPath(const std::string& path) {
    char buffer[kMaxPath];
    const DWORD length = GetLongPathNameA(path.c_str(), buffer, sizeof buffer);
    return length == 0 || length >= sizeof buffer ? path : std::string(buffer, length);
}

}  // namespace

// The scan steps over double-byte characters, whose trail byte may be 0x5C.
std::size_t lastPathSeparator(std::string_view path) {
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

WriteFailure createTemporaryFile(const std::string& folder, std::string& path) {
    char buffer[kMaxPath];
    // Creates "~qmXXXX.tmp", a name no file of the folder has.
    if (GetTempFileNameA(folder.empty() ? "." : folder.c_str(), "~qm", 0, buffer) == 0)
        return writeFailureOfSystemError(GetLastError());
    path = buffer;
    return WriteFailure::None;
}

WriteFailure syncStreamToDisk(std::FILE* stream) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    if (handle == INVALID_HANDLE_VALUE)
        return WriteFailure::Other;
    return FlushFileBuffers(handle) ? WriteFailure::None
                                    : writeFailureOfSystemError(GetLastError());
}

// Windows itself refuses to replace a read-only file; not every implementation of
// its calls does, so the question is asked of the file.
bool isReadOnlyFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
           !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

WriteFailure moveOver(const std::string& file, const std::string& target) {
    if (!MoveFileExA(file.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return writeFailureOfSystemError(GetLastError());
    return WriteFailure::None;
}

// Windows paths name files by their spelling alone: full paths compare.
std::optional<bool> sameExistingFile(const std::string&, const std::string&) {
    return std::nullopt;
}

// Windows file names compare without regard to case, also beyond ASCII, and a
// short 8.3 name is the same file as its long one.
bool sameFullPath(const std::string& a, const std::string& b) {
    const std::wstring wideA = wideFrom(CP_ACP, longPath(a));
    const std::wstring wideB = wideFrom(CP_ACP, longPath(b));
    return CompareStringOrdinal(wideA.data(), static_cast<int>(wideA.size()), wideB.data(),
                                static_cast<int>(wideB.size()), TRUE) == CSTR_EQUAL;
}

int showMessageBox(const MessageBoxRequest& request) {
    // A null caption is what makes Windows use its own.
    const char* caption = request.defaultCaption ? nullptr : request.caption.c_str();
    return MessageBoxA(static_cast<HWND>(request.owner), request.text.c_str(), caption,
                       request.style);
}

}  // namespace system
}  // namespace qm::platform
