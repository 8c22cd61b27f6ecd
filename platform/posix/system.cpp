// POSIX side of the platform layer: files, the process, message boxes on stderr.
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "platform/common/system.h"
#include "platform/platform.h"

namespace qm::platform {

std::string toNativePath(std::string_view path) {
    std::string result(path);
    for (char& c : result) {
        if (c == '\\')
            c = '/';
    }
    return result;
}

// POSIX paths are UTF-8 bytes: no byte of a multi-byte character is a backslash.
std::size_t lastPathSeparator(std::string_view path) {
    return path.rfind('\\');
}

std::string modulePath() {
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof buffer)
        return {};
    std::string path = fromNativePath(std::string_view(buffer, static_cast<std::size_t>(length)));
    return fitsPath(path) ? path : std::string();
}

bool setCurrentDirectory(const std::string& path) {
    return fitsPath(path) && !path.empty() && chdir(toNativePath(path).c_str()) == 0;
}

std::string currentDirectory() {
    char buffer[PATH_MAX];
    if (getcwd(buffer, sizeof buffer) == nullptr)
        return {};
    std::string path = fromNativePath(buffer);
    if (path.empty() || path.back() != '\\')
        path.push_back('\\');
    return path;
}

std::int64_t fileSize(const std::string& path) {
    struct stat info {};
    if (!fitsPath(path) || path.empty() || stat(toNativePath(path).c_str(), &info) != 0) {
        return -1;
    }
    // Windows reports a directory's size as 0.
    return S_ISDIR(info.st_mode) ? 0 : static_cast<std::int64_t>(info.st_size);
}

namespace system {

std::FILE* openStream(const std::string& path, bool forWriting) {
    if (path.empty())
        return nullptr;
    const std::string native = toNativePath(path);
    struct stat info {};
    // fopen opens a directory for reading here, unlike on Windows.
    if (stat(native.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        return nullptr;
    return std::fopen(native.c_str(), forWriting ? "wb" : "rb");
}

bool seekStream(std::FILE* stream, std::int64_t offset) {
    return fseeko(stream, static_cast<off_t>(offset), SEEK_SET) == 0;
}

std::size_t readStreamAt(std::FILE* stream, std::int64_t offset, void* buffer, std::size_t count) {
    auto* bytes = static_cast<unsigned char*>(buffer);
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = pread(fileno(stream), bytes + got, count - got,
                                static_cast<off_t>(offset + static_cast<std::int64_t>(got)));
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    return got;
}

namespace {

// The permissions a newly created file gets: what the process's mask lets through
// of read and write for everyone, as fopen would have given the target itself.
mode_t newFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// The new name reaches the disk with the folder that holds it. The file has already
// replaced the old one, so a folder that cannot be synced (some file systems refuse)
// changes nothing of the outcome.
void syncFolderOf(const std::string& nativePath) {
    const std::size_t slash = nativePath.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : nativePath.substr(0, slash + 1);
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0)
        return;
    fsync(descriptor);
    ::close(descriptor);
}

}  // namespace

WriteFailure createTemporaryFile(const std::string& folder, std::string& path) {
    std::string pattern = toNativePath(folder) + ".~qm-XXXXXX";
    errno = 0;
    const int descriptor = mkstemp(pattern.data());
    if (descriptor < 0)
        return writeFailureOf(errno);
    // mkstemp makes the file private to its owner; the picture is an ordinary file.
    fchmod(descriptor, newFileMode());
    ::close(descriptor);
    path = fromNativePath(pattern);
    if (!fitsPath(path)) {
        std::remove(pattern.c_str());
        return WriteFailure::NameTooLong;
    }
    return WriteFailure::None;
}

WriteFailure syncStreamToDisk(std::FILE* stream) {
    errno = 0;
    return fsync(fileno(stream)) == 0 ? WriteFailure::None : writeFailureOf(errno);
}

// A read-only file is not replaced, as on Windows, although the folder would allow it.
bool isReadOnlyFile(const std::string& path) {
    struct stat info {};
    return stat(toNativePath(path).c_str(), &info) == 0 && !S_ISDIR(info.st_mode) &&
           (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

WriteFailure moveOver(const std::string& file, const std::string& target) {
    const std::string native = toNativePath(target);
    errno = 0;
    if (std::rename(toNativePath(file).c_str(), native.c_str()) != 0)
        return writeFailureOf(errno);
    syncFolderOf(native);
    return WriteFailure::None;
}

std::optional<bool> sameExistingFile(const std::string& a, const std::string& b) {
    struct stat infoA {
    }, infoB{};
    if (stat(toNativePath(a).c_str(), &infoA) != 0 || stat(toNativePath(b).c_str(), &infoB) != 0)
        return std::nullopt;
    return infoA.st_dev == infoB.st_dev && infoA.st_ino == infoB.st_ino;
}

bool sameFullPath(const std::string& a, const std::string& b) {
    return a == b;
}

int showMessageBox(const MessageBoxRequest& request) {
    // "Error" is the caption Windows gives a box that names none.
    const char* caption = request.defaultCaption ? "Error" : request.caption.c_str();
    std::fprintf(stderr, "%s: %s\n", caption, request.text.c_str());
    return kIdOk;
}

}  // namespace system
}  // namespace qm::platform
