#include "view/band_change.h"

#include <algorithm>
#include <optional>

#include "band/band_image.h"
#include "band/histogram.h"
#include "platform/platform.h"
#include "view/auto_levels.h"
#include "view/image_view.h"
#include "view/texts.h"

namespace qm {
namespace {

// Equal file sizes do not make equal pictures: records of 800 bytes 11 times and
// of 880 bytes 10 times fill the same file, so the geometry is compared as well.
bool sameSize(const BandImage& a, const BandImage& b) {
    return a.fileSize() == b.fileSize() && a.lineCount() == b.lineCount() &&
           a.pixelsPerLine() == b.pixelsPerLine();
}

bool allSameSize(const ChosenBands& chosen) {
    const BandImage* first = nullptr;
    for (const BandImage* band : chosen) {
        if (!band)
            continue;
        if (!first)
            first = band;
        else if (!sameSize(*first, *band))
            return false;
    }
    return true;
}

bool isChosen(const BandImage* band, const ChosenBands& chosen) {
    return std::find(chosen.begin(), chosen.end(), band) != chosen.end();
}

// The statistics of every channel's histogram, or nothing when any of the three
// bands has none. The caller has checked that every channel has a band.
std::optional<std::array<BandStatistics, 3>> channelStatistics(const ImageView& view) {
    std::array<BandStatistics, 3> statistics{};
    for (int i = 0; i < ImageView::kChannelCount; ++i) {
        const Histogram* histogram = view.channel(i)->histogram();
        if (!histogram)
            return std::nullopt;
        statistics[static_cast<std::size_t>(i)] = {histogram->mean, histogram->deviation};
    }
    return statistics;
}

// Sets the pair of every shown channel with a loaded band by `rule` (a LevelRange
// from the band's Histogram), then applies them all.
template <typename Rule>
bool applyToShownBands(ImageView& view, ChannelLevels& levels, const Rule& rule) {
    bool stretched = false;
    for (int k = 0; k < shownChannels(view.mode()); ++k) {
        if (const BandImage* band = view.shownBand(k)) {
            levels[k] = rule(*band->histogram());
            stretched = true;
        }
    }
    if (stretched)
        view.applyLevels(levels);
    return stretched;
}

}  // namespace

bool changeBands(ImageView& view, const ChosenBands& chosen, ChannelLevels& levels, void* owner) {
    if (!allSameSize(chosen)) {
        platform::messageBox(owner, texts::kDifferentSizes, texts::kErrorCaption,
                             platform::kMbIconError);
        return false;
    }
    for (int i = 0; i < ImageView::kChannelCount; ++i) {
        BandImage* old = view.channel(i);
        if (old && !isChosen(old, chosen))
            old->releasePixels();
        levels[i] = LevelRange{};
    }
    view.setChannels(chosen[0], chosen[1], chosen[2]);
    view.applyLevels(levels);
    return true;
}

bool applyTrueColourLevels(ImageView& view, ChannelLevels& levels) {
    bool refused = view.mode() == DisplayMode::SingleBand;
    for (int i = 0; i < ImageView::kChannelCount; ++i)
        refused = refused || view.channel(i) == nullptr;
    if (refused) {
        platform::messageBox(nullptr, texts::kThreeBandsNeeded, texts::kThreeBandsNeededCaption,
                             platform::kMbOk);
        return false;
    }
    const std::optional<std::array<BandStatistics, 3>> statistics = channelStatistics(view);
    if (!statistics) {
        platform::messageBox(nullptr, texts::kNoHistogram, texts::kErrorCaption,
                             platform::kMbIconError);
        return false;
    }
    levels = trueColourLevels(*statistics);
    view.applyLevels(levels);
    return true;
}

bool applyClippedLevels(ImageView& view, ChannelLevels& levels, double percent) {
    return applyToShownBands(view, levels, [percent](const Histogram& histogram) {
        return clippedLevels(histogram.counts, percent);
    });
}

bool applyDeviationLevels(ImageView& view, ChannelLevels& levels, double k) {
    return applyToShownBands(view, levels, [k](const Histogram& histogram) {
        return deviationLevels({histogram.mean, histogram.deviation}, k);
    });
}

}  // namespace qm
