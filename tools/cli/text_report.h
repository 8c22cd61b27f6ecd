// The report for people: one line per fact, then one block per band.
#pragma once

#include <string>

#include "product/open_product.h"
#include "tools/cli/band_histograms.h"

namespace qm::cli {

// The report as this system's console shows it: program texts (label pairs, names)
// converted for the console, paths spelled as the user spells them; lines end in
// '\n'. With histograms (one entry per band), each band's block ends in its
// histogram.
std::string textReport(const OpenedProduct& product, const BandHistograms& histograms = {});

}  // namespace qm::cli
