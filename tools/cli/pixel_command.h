// quillmere-cli pixel: every band's value at one pixel of a product (its spectral
// profile), read from the band files without loading any band.
#pragma once

#include <ostream>

#include "tools/cli/arguments.h"

namespace qm::cli {

// The report goes to out. A product without a band (why, as info says it) or a
// pixel outside the first band (the pixel and the band's size) is named on err
// instead: kExitFailure.
int runPixel(const Arguments& arguments, std::ostream& out, std::ostream& err);

}  // namespace qm::cli
