// quillmere-cli as a function, so that tests run it in-process: the arguments after
// the program name in, the report and messages out, the exit status back.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace qm::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// info names its two outcomes after the label file.
inline constexpr int kExitLabelRead = kExitSuccess;
inline constexpr int kExitLabelUnreadable = kExitFailure;

// Whether long work keeps a progress line on standard error. Only a person at a
// terminal wants one: in a file or a pipe it would be noise.
enum class Progress { Hidden, Shown };

// Arguments are in the program's own code page, as the system hands them over.
// The current directory, the configuration file choice and the message-box
// handler are as before on return.
int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   Progress progress = Progress::Hidden);

}  // namespace qm::cli
