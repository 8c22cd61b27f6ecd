// The words of "quillmere-cli pixel": the product, the pixel, the configuration and
// the report's form.
#pragma once

#include <string>
#include <vector>

#include "tools/cli/arguments.h"

namespace qm::cli {

// Reads the words after "pixel" (arguments[0] is "pixel" itself): PRODUCT COLUMN
// LINE in that order, COLUMN and LINE whole numbers from 0 that fit 32 bits, and
// --config FILE and --json anywhere among them.
Arguments parsePixelArguments(const std::vector<std::string>& arguments);

}  // namespace qm::cli
