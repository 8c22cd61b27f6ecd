#include "view/pixel_readout.h"

#include <string_view>

#include "band/band_image.h"
#include "view/image_view.h"

namespace qm {
namespace {

constexpr std::string_view kChannelNames[] = {"R", "G", "B"};

// The channel's band value at the index, read as the composition reads it: the
// band's buffer is indexed with the picture's geometry, so a band of another size
// holds fewer (or more) pixels than the picture.
std::string channelValue(const ImageView& view, int channel, std::int64_t index) {
    const BandImage* band = view.shownBand(channel);
    if (!band)
        return "-";
    if (index < 0 || index >= band->pixelCount())
        return "-";
    return std::to_string(band->pixels()[index]);
}

}  // namespace

std::string pixelReadout(const ImageView& view, const std::optional<SourcePixel>& pixel) {
    const bool grey = view.mode() == DisplayMode::SingleBand;
    if (!pixel || !(grey || view.mode() == DisplayMode::ThreeBand) || !view.firstShownBand())
        return {};
    std::string text =
        "X " + std::to_string(pixel->column) + "  Y " + std::to_string(pixel->line) + " ";
    if (grey)
        return text + " V " + channelValue(view, 0, pixel->index);
    for (int k = 0; k < ImageView::kChannelCount; ++k)
        text.append(" ")
            .append(kChannelNames[k])
            .append(" ")
            .append(channelValue(view, k, pixel->index));
    return text;
}

}  // namespace qm
