// What a command changes in the process for its run and gives back afterwards, and
// how the paths it is given are made to survive those changes.
#pragma once

#include <string>

namespace qm::cli {

// Discovery makes the product directory current; the caller gets its own back.
class CurrentDirectoryKeeper {
  public:
    CurrentDirectoryKeeper();
    ~CurrentDirectoryKeeper();
    CurrentDirectoryKeeper(const CurrentDirectoryKeeper&) = delete;
    CurrentDirectoryKeeper& operator=(const CurrentDirectoryKeeper&) = delete;

  private:
    std::string saved_;
};

// Chooses the configuration file for one run; QMDATA.INI beside the program again
// afterwards. An empty path chooses QMDATA.INI.
class ConfigurationChoice {
  public:
    explicit ConfigurationChoice(const std::string& path);
    ~ConfigurationChoice();
    ConfigurationChoice(const ConfigurationChoice&) = delete;
    ConfigurationChoice& operator=(const ConfigurationChoice&) = delete;
};

// A path as typed, in the program's form and made full against the current
// directory: band paths are built from the label path after discovery has changed
// the current directory, and the configuration file is read after that too. The
// path in the program's form, not made full, when that fails; empty for empty.
std::string fullProgramPath(const std::string& typed);

}  // namespace qm::cli
