#include "tests/support/temp_dir.h"

#include <atomic>
#include <fstream>
#include <random>
#include <stdexcept>

#include "platform/platform.h"

namespace qm::test {
namespace fs = std::filesystem;

namespace {

// <chrono> cannot be used here: its micro sign has no code page 932 form.
std::string uniqueName() {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    return "qm-test-" + std::to_string(seed) + "-" + std::to_string(counter++);
}

fs::path relativePath(std::string_view relative) {
    std::string text(relative);
    for (char& c : text) {
        if (c == '\\')
            c = '/';
    }
    return fs::path(text);
}

}  // namespace

TempDir::TempDir() : root_(fs::temp_directory_path() / uniqueName()) {
    fs::create_directories(root_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

fs::path TempDir::native(std::string_view relative) const {
    return relative.empty() ? root_ : root_ / relativePath(relative);
}

std::string TempDir::path() const {
    return platform::fromNativePath(root_.string() + "/");
}

std::string TempDir::path(std::string_view relative) const {
    return platform::fromNativePath(native(relative).string());
}

std::string TempDir::writeFile(std::string_view relative, std::string_view bytes) const {
    const fs::path file = native(relative);
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
    return path(relative);
}

std::string TempDir::writeFile(std::string_view relative,
                               const std::vector<std::uint8_t>& bytes) const {
    return writeFile(relative,
                     std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::string TempDir::makeDir(std::string_view relative) const {
    fs::create_directories(native(relative));
    return path(relative);
}

}  // namespace qm::test
