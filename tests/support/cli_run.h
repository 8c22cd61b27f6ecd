// quillmere-cli run in-process: its exit status and what it wrote to each stream.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "tools/cli/command_line.h"

namespace qm::test {

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

inline CliResult runCli(const std::vector<std::string>& arguments,
                        cli::Progress progress = cli::Progress::Hidden) {
    std::ostringstream out, err;
    const int status = cli::runCommandLine(arguments, out, err, progress);
    return {status, out.str(), err.str()};
}

}  // namespace qm::test
