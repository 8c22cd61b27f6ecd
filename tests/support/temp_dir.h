// A fresh folder under the system's temporary directory, removed with everything in
// it when the object dies. Paths are handed out in the program's own form
// (backslash separators), ready for the core's functions.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qm::test {

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder itself, ending in a backslash.
    std::string path() const;
    // A path inside the folder; relative may use '/' or '\' and name sub-folders.
    std::string path(std::string_view relative) const;
    std::filesystem::path native(std::string_view relative = {}) const;

    // Writes the bytes exactly as given (no line-end translation), creating folders.
    std::string writeFile(std::string_view relative, std::string_view bytes) const;
    std::string writeFile(std::string_view relative, const std::vector<std::uint8_t>& bytes) const;
    std::string makeDir(std::string_view relative) const;

  private:
    std::filesystem::path root_;
};

}  // namespace qm::test
