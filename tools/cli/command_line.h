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

// info names its two outcomes after what the product holds: bands, or none (an
// unreadable label, a format the configuration lacks, ...).
inline constexpr int kExitBandsFound = kExitSuccess;
inline constexpr int kExitNoBand = kExitFailure;

// Whether long work keeps a progress line on standard error. Only a person at a
// terminal wants one: in a file or a pipe it would be noise.
enum class Progress { Hidden, Shown };

// Arguments are as the system hands them over: the program's own code page on
// Windows, the file system's UTF-8 on POSIX. Relative paths count from the
// current directory, which is left alone; the message-box handler is as before on
// return.
int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   Progress progress = Progress::Hidden);

}  // namespace qm::cli
