#include "product/spectral_profile.h"

#include "product/product_catalog.h"

namespace qm {
namespace {

// The place of a reference band's pixel in a grid of `size` pixels where the
// reference has `referenceSize`: formed in 64 bits, below `size` whenever the
// place lies in the reference band.
std::int32_t placeInGrid(std::int32_t place, std::int32_t size, std::int32_t referenceSize) {
    return static_cast<std::int32_t>(std::int64_t{place} * size / referenceSize);
}

bool holds(const BandImage& band, std::int32_t column, std::int32_t line) {
    return column >= 0 && line >= 0 && column < band.pixelsPerLine() && line < band.lineCount();
}

ProfileEntry entryOf(const ProductCatalog& catalog, int index, const BandImage& reference,
                     std::int32_t column, std::int32_t line) {
    const BandImage& band = *catalog.band(index);
    ProfileEntry entry;
    entry.bandIndex = index;
    entry.name = band.bandName();
    entry.column = placeInGrid(column, band.pixelsPerLine(), reference.pixelsPerLine());
    entry.line = placeInGrid(line, band.lineCount(), reference.lineCount());
    entry.value = band.pixelAt(entry.column, entry.line);
    const std::optional<BandCalibration>& calibration = catalog.bandFacts(index).calibration;
    if (calibration && entry.value)
        entry.radiance = calibration->radiance(*entry.value);
    return entry;
}

}  // namespace

std::vector<ProfileEntry> spectralProfile(const ProductCatalog& catalog, int referenceBand,
                                          std::int32_t column, std::int32_t line) {
    const BandImage* reference = catalog.band(referenceBand);
    if (!reference || !holds(*reference, column, line))
        return {};
    std::vector<ProfileEntry> profile;
    profile.reserve(static_cast<std::size_t>(catalog.bandCount()));
    for (int i = 0; i < catalog.bandCount(); ++i)
        profile.push_back(entryOf(catalog, i, *reference, column, line));
    return profile;
}

std::optional<PixelLocation> pixelLocation(const ProductCatalog& catalog, int band,
                                           std::int32_t column, std::int32_t line) {
    const std::optional<BandGeoreference> georeference = bandGeoreference(catalog, band);
    if (!georeference)
        return std::nullopt;
    return pixelLocation(*georeference, column, line);
}

}  // namespace qm
