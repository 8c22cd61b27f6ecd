// quillmere-cli as a function, so that tests run it in-process: the arguments after
// the program name in, the report and messages out, the exit status back.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace qm::cli {

inline constexpr int kExitLabelRead = 0;
inline constexpr int kExitLabelUnreadable = 1;
inline constexpr int kExitUsage = 2;

// Arguments are in the program's own code page, as the system hands them over.
// The current directory and the configuration file choice are as before on return.
int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace qm::cli
