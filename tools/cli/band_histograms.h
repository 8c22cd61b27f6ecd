// What --stats reports for each band: its histogram as the viewer builds it on
// loading, or that the band could not be loaded.
#pragma once

#include <optional>
#include <vector>

#include "band/histogram.h"
#include "tools/cli/opened_product.h"

namespace qm::cli {

// One entry per band of the catalogue, in band order: the histogram of a band that
// loaded, nothing for one that did not.
using BandHistograms = std::vector<std::optional<Histogram>>;

// Loads each band in turn, keeps a copy of its histogram and frees its pixels
// before the next one, so only one band is in memory at a time. Notice boxes
// raised while histograms are built are answered without being shown.
BandHistograms loadBandHistograms(const OpenedProduct& product);

}  // namespace qm::cli
