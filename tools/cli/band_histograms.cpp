#include "tools/cli/band_histograms.h"

#include <utility>

#include "platform/platform.h"

namespace qm::cli {
namespace {

// A capped histogram bar raises an empty notice box. A command-line run has no one
// to dismiss it, and the capped heights are in the report anyway.
class QuietMessageBoxes {
  public:
    QuietMessageBoxes()
        : previous_(platform::setMessageBoxHandler(
              [](const platform::MessageBoxRequest&) { return platform::kIdOk; })) {}
    ~QuietMessageBoxes() { platform::setMessageBoxHandler(std::move(previous_)); }
    QuietMessageBoxes(const QuietMessageBoxes&) = delete;
    QuietMessageBoxes& operator=(const QuietMessageBoxes&) = delete;

  private:
    platform::MessageBoxHandler previous_;
};

std::optional<Histogram> histogramOf(BandImage& band) {
    if (!band.loadPixels())
        return {};
    const Histogram histogram = *band.histogram();
    band.releasePixels();
    return histogram;
}

}  // namespace

BandHistograms loadBandHistograms(const OpenedProduct& product) {
    const QuietMessageBoxes quiet;
    const ProductCatalog& catalog = product.catalog();
    BandHistograms histograms;
    for (int i = 0; i < catalog.bandCount(); ++i)
        histograms.push_back(histogramOf(*catalog.band(i)));
    return histograms;
}

}  // namespace qm::cli
