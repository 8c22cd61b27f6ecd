// The report for programs: one JSON object, texts converted to UTF-8.
#pragma once

#include <string>

#include "tools/cli/opened_product.h"

namespace qm::cli {

// Keys: parseResult, label (a list of {name, value}), satellite, sensor,
// logicalFormat, formatCode, fileNameMask, discovered, bands (a list of {index,
// name, path, fileSize and the record geometry}). No line end after it.
std::string jsonReport(const OpenedProduct& product);

}  // namespace qm::cli
