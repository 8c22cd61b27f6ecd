// The report for programs: one JSON object, texts converted to UTF-8.
#pragma once

#include <string>

#include "product/open_product.h"
#include "tools/cli/band_histograms.h"

namespace qm::cli {

// Keys: parseResult, label (a list of {name, value}), satellite, sensor,
// logicalFormat, formatCode, fileNameMask, discovered, bands (a list of {index,
// name, path, fileSize and the record geometry}). No line end after it. With
// histograms (one entry per band), each band also gets loaded and, when true,
// counts, mean, modeBin, deviation and heights.
std::string jsonReport(const OpenedProduct& product, const BandHistograms& histograms = {});

}  // namespace qm::cli
