// The command line of quillmere-cli: what it asks for, or why it cannot be run.
#pragma once

#include <string>
#include <vector>

namespace qm::cli {

struct Arguments {
    enum class Action { Info, Help, UsageError };

    Action action = Action::UsageError;
    std::string labelPath;   // as given, for "info"
    std::string configPath;  // as given to --config; empty for QMDATA.INI beside the program
    bool json = false;
    bool stats = false;  // load every band and report its histogram
    std::string error;   // what is wrong, for a usage error
};

// Reads the arguments after the program name:
// "info LABEL [--config FILE] [--json] [--stats]"
// with the options in any order after the command, or --help / -h anywhere.
Arguments parseArguments(const std::vector<std::string>& arguments);

// The short form of the command line, for usage errors.
const char* usageLine();
// The full description that --help prints.
const char* helpText();

}  // namespace qm::cli
