#include <cstdio>
#include <utility>

#include "platform/common/system.h"
#include "platform/platform.h"

namespace qm::platform {

File::~File() {
    close();
}

File::File(File&& other) noexcept
    : stream_(std::exchange(other.stream_, nullptr)),
      writeFailed_(std::exchange(other.writeFailed_, false)) {}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        close();
        stream_ = std::exchange(other.stream_, nullptr);
        writeFailed_ = std::exchange(other.writeFailed_, false);
    }
    return *this;
}

bool File::open(const std::string& path, Mode mode) {
    close();
    writeFailed_ = false;
    if (!fitsPath(path))
        return false;
    stream_ = system::openStream(path, mode == Mode::Write);
    if (stream_ == nullptr)
        return false;
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
    if (count != 0 && std::fwrite(data, 1, count, stream_) != count)
        writeFailed_ = true;
    return !writeFailed_;
}

bool File::close() {
    if (stream_ == nullptr)
        return true;
    const bool closed = std::fclose(stream_) == 0;
    stream_ = nullptr;
    const bool ok = closed && !writeFailed_;
    writeFailed_ = false;
    return ok;
}

}  // namespace qm::platform
