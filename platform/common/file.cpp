#include <cerrno>
#include <cstdio>
#include <utility>

#include "platform/common/system.h"
#include "platform/platform.h"

namespace qm::platform {
namespace {

// Set by tests on the one thread that writes, before it writes; no lock is needed.
std::optional<WriteFault>& currentWriteFault() {
    static std::optional<WriteFault> fault;
    return fault;
}

}  // namespace

void setWriteFault(std::optional<WriteFault> fault) {
    currentWriteFault() = fault;
}

WriteFailure system::writeFailureOf(int errorNumber) {
    switch (errorNumber) {
        case ENOENT:
        case ENOTDIR:
            return WriteFailure::FolderMissing;
        case EACCES:
        case EPERM:
        case EROFS:
            return WriteFailure::AccessDenied;
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
        case EFBIG:
            return WriteFailure::DiskFull;
        case ENAMETOOLONG:
            return WriteFailure::NameTooLong;
        case EISDIR:
            return WriteFailure::IsFolder;
        default:
            return WriteFailure::Other;
    }
}

File::~File() {
    close();
}

File::File(File&& other) noexcept
    : stream_(std::exchange(other.stream_, nullptr)),
      failure_(std::exchange(other.failure_, WriteFailure::None)),
      written_(std::exchange(other.written_, 0)) {}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        close();
        stream_ = std::exchange(other.stream_, nullptr);
        failure_ = std::exchange(other.failure_, WriteFailure::None);
        written_ = std::exchange(other.written_, 0);
    }
    return *this;
}

// The first failure is the one kept: what follows it is its consequence.
void File::failWith(WriteFailure failure) {
    if (failure_ == WriteFailure::None)
        failure_ = failure == WriteFailure::None ? WriteFailure::Other : failure;
}

bool File::open(const std::string& path, Mode mode) {
    close();
    failure_ = WriteFailure::None;
    written_ = 0;
    if (!fitsPath(path)) {
        failure_ = WriteFailure::NameTooLong;
        return false;
    }
    const std::optional<WriteFault>& fault = currentWriteFault();
    if (mode == Mode::Write && fault && fault->bytesAllowed < 0) {
        failure_ = fault->failure;
        return false;
    }
    errno = 0;
    stream_ = system::openStream(path, mode == Mode::Write);
    if (stream_ == nullptr) {
        failure_ = system::writeFailureOf(errno);
        return false;
    }
    // Reads are either large (whole lines, whole chunks) or follow a seek, which
    // empties a buffer anyway: unbuffered, each goes straight into the caller's
    // memory instead of being copied through the stream's buffer.
    if (mode == Mode::Read)
        std::setvbuf(stream_, nullptr, _IONBF, 0);
    return true;
}

bool File::seek(std::int64_t offset) {
    if (stream_ == nullptr || offset < 0)
        return false;
    return system::seekStream(stream_, offset);
}

std::size_t File::read(void* buffer, std::size_t count) {
    if (stream_ == nullptr || count == 0)
        return 0;
    return std::fread(buffer, 1, count, stream_);
}

std::size_t File::readAt(std::int64_t offset, void* buffer, std::size_t count) {
    if (stream_ == nullptr || count == 0 || offset < 0)
        return 0;
    return system::readStreamAt(stream_, offset, buffer, count);
}

bool File::write(const void* data, std::size_t count) {
    if (stream_ == nullptr)
        return false;
    if (failed() || count == 0)
        return !failed();
    // A write fault lets through what still fits, then fails as a full disk does.
    std::size_t allowed = count;
    const std::optional<WriteFault>& fault = currentWriteFault();
    if (fault && fault->bytesAllowed >= 0) {
        const std::int64_t room = fault->bytesAllowed - written_;
        if (room < static_cast<std::int64_t>(count))
            allowed = room > 0 ? static_cast<std::size_t>(room) : 0;
    }
    errno = 0;
    const std::size_t done = allowed == 0 ? 0 : std::fwrite(data, 1, allowed, stream_);
    written_ += static_cast<std::int64_t>(done);
    if (allowed < count)
        failWith(fault->failure);
    else if (done != count)
        failWith(system::writeFailureOf(errno));
    return !failed();
}

bool File::flushToDisk() {
    if (stream_ == nullptr || failed())
        return false;
    errno = 0;
    if (std::fflush(stream_) != 0) {
        failWith(system::writeFailureOf(errno));
        return false;
    }
    const WriteFailure synced = system::syncStreamToDisk(stream_);
    if (synced != WriteFailure::None)
        failWith(synced);
    return !failed();
}

bool File::close() {
    if (stream_ == nullptr)
        return true;
    errno = 0;
    const bool closed = std::fclose(stream_) == 0;
    stream_ = nullptr;
    // The last buffered bytes reach the disk only now: a full disk may show here.
    if (!closed)
        failWith(system::writeFailureOf(errno));
    const bool ok = !failed();
    written_ = 0;
    return ok;
}

bool system::removeFile(const std::string& path) {
    return fitsPath(path) && !path.empty() && std::remove(toNativePath(path).c_str()) == 0;
}

}  // namespace qm::platform
