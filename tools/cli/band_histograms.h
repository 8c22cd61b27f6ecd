// What --stats reports for each band: its histogram as the viewer builds it on
// loading, or that the band could not be loaded.
#pragma once

#include <optional>
#include <vector>

#include "band/histogram.h"
#include "product/open_product.h"

namespace qm::cli {

// One entry per band of the catalogue, in band order: the histogram of a band that
// loaded, nothing for one that did not.
using BandHistograms = std::vector<std::optional<Histogram>>;

// Loads each band in turn, keeps a copy of its histogram and frees its pixels
// before the next one, so only one band is in memory at a time. The empty notice
// box of a cut bar goes to whatever message-box handler the caller has set.
BandHistograms loadBandHistograms(const OpenedProduct& product);

}  // namespace qm::cli
