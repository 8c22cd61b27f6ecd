// What the benchmarks share: a clock in milliseconds, believable scene lines and a
// temporary folder that is the configuration's home for the run.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qm::bench {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start);

// Pixel values bunched around the middle, as a real scene's are, from a fixed
// sequence so every run works on the same bytes.
std::vector<char> sceneLine(std::uint32_t& seed, int pixels);

// A fresh folder under the temporary directory holding QMDATA.INI with the given
// text; removed with everything in it at the end.
class BenchFolder {
  public:
    BenchFolder(std::string_view prefix, std::string_view configuration);
    ~BenchFolder();
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    const std::filesystem::path& path() const { return root_; }
    std::string nativePath(const std::string& name) const;
    // The same path in the program's own form (backslashes).
    std::string programPath(const std::string& name) const;
    std::string configurationPath() const { return programPath("QMDATA.INI"); }

  private:
    std::filesystem::path root_;
};

}  // namespace qm::bench
