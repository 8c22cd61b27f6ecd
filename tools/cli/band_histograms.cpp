#include "tools/cli/band_histograms.h"

namespace qm::cli {
namespace {

std::optional<Histogram> histogramOf(BandImage& band) {
    if (!band.loadPixels())
        return {};
    const Histogram histogram = *band.histogram();
    band.releasePixels();
    return histogram;
}

}  // namespace

BandHistograms loadBandHistograms(const OpenedProduct& product) {
    const ProductCatalog& catalog = product.catalog();
    BandHistograms histograms;
    for (int i = 0; i < catalog.bandCount(); ++i)
        histograms.push_back(histogramOf(*catalog.band(i)));
    return histograms;
}

}  // namespace qm::cli
