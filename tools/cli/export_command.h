// quillmere-cli export: the viewer's open, band change, levels and save, run on
// the choices of the command line instead of the window's controls.
#pragma once

#include <ostream>

#include "tools/cli/arguments.h"
#include "tools/cli/command_line.h"

namespace qm::cli {

// Writes the bitmap (or PNG) file. Messages, message boxes and (when asked for) the
// progress line go to err. kExitSuccess, or kExitFailure with a message naming the
// file and the reason. With an output folder every label is exported in turn to
// a file named after it, each result reported on out as "LABEL: wrote FILE" or
// "LABEL: failed"; kExitSuccess only when all were written.
int runExport(const Arguments& arguments, std::ostream& out, std::ostream& err, Progress progress);

}  // namespace qm::cli
