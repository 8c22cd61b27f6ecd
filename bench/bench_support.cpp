#include "bench/bench_support.h"

#include <fstream>
#include <system_error>

#include "platform/platform.h"

namespace qm::bench {

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::vector<char> sceneLine(std::uint32_t& seed, int pixels) {
    std::vector<char> line(static_cast<std::size_t>(pixels));
    for (char& pixel : line) {
        seed = seed * 1664525u + 1013904223u;
        pixel = static_cast<char>(((seed >> 24) + ((seed >> 8) & 0xFF)) / 2);
    }
    return line;
}

BenchFolder::BenchFolder(std::string_view prefix, std::string_view configuration) {
    root_ = std::filesystem::temp_directory_path() /
            (std::string(prefix) + std::to_string(Clock::now().time_since_epoch().count()));
    std::filesystem::create_directories(root_);
    std::ofstream(root_ / "QMDATA.INI") << configuration;
}

BenchFolder::~BenchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

std::string BenchFolder::nativePath(const std::string& name) const {
    return (root_ / name).string();
}

std::string BenchFolder::programPath(const std::string& name) const {
    return platform::fromNativePath(nativePath(name));
}

}  // namespace qm::bench
