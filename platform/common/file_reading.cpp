#include "platform/platform.h"

#include <cstdint>
#include <new>

namespace qm::platform {

bool fitsPath(std::string_view path) {
    return path.size() < kMaxPath;
}

bool readFileBytes(const std::string& path, std::vector<std::uint8_t>& out) {
    const std::int64_t size = fileSize(path);
    File file;
    if (size < 0 || !file.open(path, File::Mode::Read))
        return false;
    std::vector<std::uint8_t> bytes;
    // A file larger than this program can hold (a 32-bit program meets them) is not
    // read: checked in 64 bits, before the size is narrowed.
    if (static_cast<std::uint64_t>(size) > bytes.max_size())
        return false;
    try {
        // The size is a hint: a file that grows or shrinks meanwhile is read as it is.
        bytes.reserve(static_cast<std::size_t>(size));
        std::uint8_t chunk[65536];
        for (std::size_t got; (got = file.read(chunk, sizeof chunk)) > 0;) {
            bytes.insert(bytes.end(), chunk, chunk + got);
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    out = std::move(bytes);
    return true;
}

std::string textFromBytes(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const bool crBeforeLf = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
        if (!crBeforeLf)
            text.push_back(bytes[i]);
    }
    return text;
}

bool readTextFile(const std::string& path, std::string& out) {
    std::vector<std::uint8_t> bytes;
    if (!readFileBytes(path, bytes))
        return false;
    out =
        textFromBytes(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    return true;
}

}  // namespace qm::platform
