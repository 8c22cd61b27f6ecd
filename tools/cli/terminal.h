// Whether a person is watching the program's standard error.
#pragma once

namespace qm::cli {

// True when standard error is a terminal (a console on Windows), not a file or a pipe.
bool standardErrorIsTerminal();

}  // namespace qm::cli
