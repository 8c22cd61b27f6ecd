// The report for people: one line per fact, then one block per band.
#pragma once

#include <string>

#include "product/open_product.h"
#include "tools/cli/band_histograms.h"

namespace qm::cli {

// The report in the program's own code page 932 bytes, lines ending in '\n'. With
// histograms (one entry per band), each band's block ends in its histogram.
std::string textReport(const OpenedProduct& product, const BandHistograms& histograms = {});

}  // namespace qm::cli
