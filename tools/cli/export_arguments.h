// The words of "quillmere-cli export": label, output file, band choice and levels.
#pragma once

#include <string>
#include <vector>

#include "tools/cli/arguments.h"

namespace qm::cli {

// Reads the words after "export" (arguments[0] is "export" itself).
Arguments parseExportArguments(const std::vector<std::string>& arguments);

}  // namespace qm::cli
