// Arbitrary bytes as a band file, record format or fast format: its geometry, its
// pixels, histogram and display table, then, for a small picture, the band change,
// levels, composition and export through ImageView.
//
// Input: 34 choice bytes (see Choices), then the band file.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <numeric>
#include <string>

#include "band/band_image.h"
#include "fuzz/support/fuzz_folder.h"
#include "fuzz/support/fuzz_input.h"
#include "fuzz/support/require.h"
#include "platform/platform.h"
#include "view/band_change.h"
#include "view/bitmap_file.h"
#include "view/image_view.h"

namespace qm::fuzz {
namespace {

// Each input writes its own framing positions into this file first.
std::string configurationPath() {
    return fuzzFolder().path("QMDATA.INI");
}

// Larger pictures are measured and loaded, not composed: a few runs a second would
// be all that is left of the fuzzing.
constexpr std::int64_t kLargestComposedPicture = 64 * 1024;

struct Choices {
    explicit Choices(FuzzInput& input);

    bool fastFormat, doubledBand, threeBands, automaticLevels, greenless, narrowerGreen;
    int headerPixels, headerLines;
    std::string framing;  // the band-layout section's Pos and Size keys
    int zoom, originX, originY, width, height;
    LevelRange levels;
    int scale;
};

Choices::Choices(FuzzInput& input) {
    const std::uint8_t flags = input.byte();
    fastFormat = flags & 1, doubledBand = flags & 2, threeBands = flags & 4;
    automaticLevels = flags & 8, greenless = flags & 16, narrowerGreen = flags & 32;
    headerPixels = input.bigEndian32();
    headerLines = input.bigEndian32();
    for (const char* field : {"Prefix", "Suffix", "LeftFill", "RightFill"}) {
        const int position = input.bigEndian16();
        const int size = static_cast<std::int8_t>(input.byte());
        framing += std::string(field) + "Pos=" + std::to_string(position) + "\n" + field +
                   "Size=" + std::to_string(size) + "\n";
    }
    zoom = static_cast<std::int8_t>(input.byte());
    originX = input.bigEndian16();
    originY = input.bigEndian16();
    width = static_cast<std::int8_t>(input.byte());
    height = static_cast<std::int8_t>(input.byte());
    levels.low = input.bigEndian16();
    levels.high = input.bigEndian16();
    scale = input.bigEndian16();
}

bool atA32BitLimit(std::int32_t value) {
    return value == std::numeric_limits<std::int32_t>::max() ||
           value == std::numeric_limits<std::int32_t>::min();
}

// A BAND80 record is twice as long as the line it shows.
// A band may have no line, no pixel or framing outside its records (it then fails
// to load); unless a value was held at a 32-bit limit, the parts add up.
void checkGeometry(const BandImage& band, std::int64_t linesPerRecord) {
    const bool held = atA32BitLimit(band.pixelsPerLine()) ||
                      atA32BitLimit(band.firstPixelOffset()) ||
                      atA32BitLimit(band.trailingBytes()) || atA32BitLimit(band.recordLength());
    require(held || linesPerRecord * band.pixelsPerLine() + band.firstPixelOffset() +
                            band.trailingBytes() ==
                        band.recordLength(),
            "a record is framing and pixels");
}

// Bars are cut at 255. Only a negative scale, which the viewer never asks for,
// turns them downwards.
void checkHeights(const Histogram& histogram) {
    for (const std::int32_t height : histogram.heights) {
        require(height <= Histogram::kMaxHeight, "no bar is above 255");
        require(histogram.scale < 0 || height >= 0, "bars of a positive scale grow upwards");
    }
}

void checkHistogram(const Histogram& histogram, std::int64_t pixels) {
    const std::int64_t counted =
        std::accumulate(histogram.counts.begin(), histogram.counts.end(), std::int64_t{0});
    require(counted == pixels, "every pixel is counted once");
    require(histogram.modeBin >= 1 && histogram.modeBin <= 255, "the mode is a value 1 to 255");
    require(histogram.mean >= 0 && histogram.mean <= 255, "the mean is a pixel value");
    require(histogram.deviation >= 0 && histogram.deviation <= 255, "the deviation fits");
    checkHeights(histogram);
}

// The same file with lines half as long, measured as a fast-format band.
bool measureNarrower(const BandImage& band, BandImage& narrower) {
    narrower.setPath(band.path());
    return !narrower.readGeometry(BandFormat::Fast, configurationPath(), "FUZZ", "",
                                  std::max(1, band.pixelsPerLine() / 2), band.lineCount());
}

// The band shown on every channel, composed and exported. Green may stay empty, or
// show a band of another size: the band change refuses that, but the view must
// still read nothing outside a band's buffer.
void showAndExport(BandImage& band, const Choices& choices) {
    ImageView view;
    view.setMode(choices.threeBands ? DisplayMode::ThreeBand : DisplayMode::SingleBand);
    ChannelLevels levels;
    BandImage narrower;
    if (choices.narrowerGreen && measureNarrower(band, narrower)) {
        view.setChannels(&band, &narrower, &band);
    } else {
        require(
            changeBands(view, {&band, choices.greenless ? nullptr : &band, &band}, levels, nullptr),
            "a band has its own size");
    }
    if (!choices.automaticLevels || !applyTrueColourLevels(view, levels)) {
        levels.fill(choices.levels);
        view.applyLevels(levels);
    }
    view.setZoom(choices.zoom);
    view.setOrigin(choices.originX, choices.originY);
    if (view.prepareBuffer(choices.width, choices.height))
        require(view.compose(), "a prepared view composes");

    const std::string path = fuzzFolder().path("OUT.BMP");
    require(view.exportBitmap(path) == platform::WriteFailure::None, "a small picture exports");
    const auto layout = bitmapFileLayout(view.mode(), band.pixelsPerLine(), band.lineCount());
    require(layout && platform::fileSize(path) == layout->fileSize, "the export has its size");
}

void measureLoadAndShow(const std::string& path, const Choices& choices) {
    BandImage band;
    band.setPath(path);
    const BandFormat format = choices.fastFormat ? BandFormat::Fast : BandFormat::Record;
    if (band.readGeometry(format, configurationPath(), "FUZZ", "", choices.headerPixels,
                          choices.headerLines))
        return;
    checkGeometry(band, choices.fastFormat && choices.doubledBand ? 2 : 1);
    if (!band.loadPixels())
        return;
    const std::int64_t pixels = std::int64_t{band.pixelsPerLine()} * band.lineCount();
    checkHistogram(*band.histogram(), pixels);
    Histogram rescaled = *band.histogram();
    rescaled.buildDisplayTable(choices.scale);
    checkHeights(rescaled);

    const Histogram* first = band.histogram();
    band.releasePixels();
    require(band.loadPixels() && band.histogram() == first, "a reload keeps the histogram");
    if (pixels <= kLargestComposedPicture)
        showAndExport(band, choices);
}

}  // namespace
}  // namespace qm::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qm;
    fuzz::FuzzInput input(data, size);
    const fuzz::Choices choices(input);
    fuzz::writeFuzzFile("QMDATA.INI", "[FUZZ]\nBAND1=*\nBAND10=Band 10\n" + choices.framing);
    const char* name = !choices.fastFormat   ? "SCENE_B1.DAT"
                       : choices.doubledBand ? "SCENE_B80.FST"
                                             : "SCENE_B10.FST";
    fuzz::measureLoadAndShow(fuzz::writeFuzzFile(name, input.rest()), choices);
    return 0;
}
