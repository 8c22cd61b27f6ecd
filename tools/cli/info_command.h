// quillmere-cli info: the open sequence on a product, reported as text or JSON.
#pragma once

#include <ostream>

#include "tools/cli/arguments.h"

namespace qm::cli {

// The report goes to out; when the product shows no band, why goes to err first.
// kExitBandsFound or kExitNoBand.
int runInfo(const Arguments& arguments, std::ostream& out, std::ostream& err);

}  // namespace qm::cli
