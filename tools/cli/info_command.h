// quillmere-cli info: the open sequence on a product, reported as text or JSON.
#pragma once

#include <ostream>

#include "tools/cli/arguments.h"

namespace qm::cli {

// The report goes to out, the reason an unreadable label could not be read to err.
// kExitLabelRead or kExitLabelUnreadable.
int runInfo(const Arguments& arguments, std::ostream& out, std::ostream& err);

}  // namespace qm::cli
