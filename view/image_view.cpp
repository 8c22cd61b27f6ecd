#include "view/image_view.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

#include "band/band_image.h"
#include "band/histogram.h"
#include "platform/platform.h"
#include "platform/window.h"
#include "view/bitmap_file.h"
#include "view/layout.h"
#include "view/texts.h"

namespace qm {
namespace {

constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

}  // namespace

BandImage* ImageView::channel(int index) const {
    if (index < 0 || index >= kChannelCount)
        return nullptr;
    return channels_[index];
}

BandImage* ImageView::shownBand(int index) const {
    BandImage* band = channel(index);
    if (!band || !band->pixels() || !band->histogram())
        return nullptr;
    return band;
}

BandImage* ImageView::firstShownBand() const {
    for (int k = 0; k < kChannelCount; ++k) {
        if (BandImage* band = shownBand(k))
            return band;
    }
    return nullptr;
}

void ImageView::setMode(DisplayMode newMode) {
    displayMode_ = newMode;
    ++bandGeneration_;
    for (int k = 0; k < kChannelCount; ++k)
        releaseChannel(k);
    source_ = {};
}

void ImageView::setChannels(BandImage* band0, BandImage* band1, BandImage* band2) {
    ++bandGeneration_;
    if (displayMode_ == DisplayMode::SingleBand) {
        channels_[0] = channels_[1] = channels_[2] = band0;
    } else if (displayMode_ == DisplayMode::ThreeBand) {
        channels_[0] = band0;
        channels_[1] = band1;
        channels_[2] = band2;
    } else {
        for (int k = 0; k < kChannelCount; ++k)
            releaseChannel(k);
    }
    clearGeometry();
    for (BandImage* band : channels_) {
        if (band && !loadChannel(*band))
            return;
    }
}

void ImageView::releaseChannel(int slot) {
    if (slot < 0 || slot >= kChannelCount || !channels_[slot])
        return;
    channels_[slot]->releasePixels();
    channels_[slot] = nullptr;
    ++bandGeneration_;
}

void ImageView::clearGeometry() {
    source_ = {};
    scrollX_ = 0;
    scrollY_ = 0;
    zoom_ = {};
}

// Takes the band's geometry and loads it. A picture without lines or pixels (two
// negative counts make no picture either), or too large for the 32-bit pixel count,
// shows nothing; such a band also fails to load.
bool ImageView::loadChannel(BandImage& band) {
    source_.lineCount = band.lineCount();
    source_.pixelsPerLine = band.pixelsPerLine();
    const std::int64_t pixels =
        static_cast<std::int64_t>(source_.lineCount) * source_.pixelsPerLine;
    const bool shown = source_.lineCount > 0 && source_.pixelsPerLine > 0 && pixels <= kInt32Max;
    source_.pixelCount = shown ? static_cast<std::int32_t>(pixels) : 0;
    if (band.loadPixels())
        return true;
    platform::messageBox(nullptr, texts::kLoadFailed, texts::kErrorCaption, platform::kMbIconError);
    return false;
}

void ImageView::fitToWindow() {
    const platform::ClientSize client = platform::clientSize(targetWindow_);
    // A band that failed to load leaves its geometry, which may be negative.
    if (outputWidth_ == 0 || outputHeight_ == 0 || source_.lineCount <= 0 ||
        source_.pixelsPerLine <= 0)
        return;
    // A display image taller than wide fits the columns, otherwise the lines.
    const bool fitColumns = outputWidth_ < outputHeight_;
    const int freeSpace = fitColumns ? client.width - layout::kControlPanelWidth
                                     : client.height - layout::kToolbarHeight;
    if (freeSpace <= 0)
        return;
    setZoom((fitColumns ? source_.pixelsPerLine : source_.lineCount) / freeSpace + 1);
}

void ImageView::setOrigin(std::int32_t x, std::int32_t y) {
    if (x >= 0)
        scrollX_ = x;
    if (y >= 0)
        scrollY_ = y;
}

bool ImageView::prepareBuffer(std::int32_t width, std::int32_t height) {
    if (!sizeDisplay(width, height))
        return false;
    displayBuffer_.reset(new (std::nothrow) std::uint8_t[static_cast<std::size_t>(bufferSize_)]());
    displayBits_ = displayBuffer_.get();
    return displayBits_ != nullptr;
}

// Sizes the display image and lets go of any buffer held from before. False when
// nothing is shown or the size is not positive or too large for 32 bits.
bool ImageView::sizeDisplay(std::int32_t width, std::int32_t height) {
    if (source_.pixelCount == 0)
        return false;
    outputWidth_ = width;
    outputHeight_ = height;
    displayBuffer_.reset();
    displayBits_ = nullptr;
    rowPadding_ = rowStride_ = bufferSize_ = 0;
    if (width <= 0 || height <= 0)
        return false;

    // The display image is a 24-bit bitmap: its rows are padded as a BMP file's are.
    const auto padding = static_cast<std::int32_t>(bitmapRowPadding(24, width));
    const std::int64_t stride = 3 * static_cast<std::int64_t>(width) + padding;
    const std::int64_t size = stride * height;
    if (size > kInt32Max)
        return false;
    rowPadding_ = padding;
    rowStride_ = static_cast<std::int32_t>(stride);
    bufferSize_ = static_cast<std::int32_t>(size);
    return true;
}

ChannelSources ImageView::channelSources() const {
    ChannelSources sources;
    for (int k = 0; k < kChannelCount; ++k) {
        const BandImage* band = shownBand(k);
        if (!band)
            continue;
        const Histogram& histogram = *band->histogram();
        sources[k] = bandSource(band->pixels(), band->pixelCount(),
                                {histogram.highLevel, histogram.lowLevel});
    }
    return sources;
}

// Display columns that lie on the picture: source column scrollX + j * step must
// be left of pixelsPerLine.
std::int64_t ImageView::visibleColumns(std::int64_t step) const {
    if (scrollX_ >= source_.pixelsPerLine)
        return 0;
    const std::int64_t onPicture = (std::int64_t{source_.pixelsPerLine} - 1 - scrollX_) / step + 1;
    return std::min<std::int64_t>(onPicture, outputWidth_);
}

// Row i from the top of the screen lies at the end of the bottom-up buffer and
// shows source line lineCount - scrollY - (i + 1) * zoom; lines below 0 are past
// the bottom of the picture. Line numbers are formed in 64 bits, so no origin,
// however far past the picture, overflows them.
bool ImageView::compose() {
    if (source_.pixelCount == 0 || !displayBits_)
        return false;
    const ChannelSources sources = channelSources();
    if (zoom_.magnified()) {
        composeMagnified(sources);
        return true;
    }
    const std::int64_t step = std::max(zoom_.subsample, 1);
    const std::int64_t columns = visibleColumns(step);
    for (std::int32_t i = 0; i < outputHeight_; ++i) {
        std::uint8_t* row = displayBits_ + bufferSize_ - std::int64_t{i + 1} * rowStride_;
        const std::int64_t line = std::int64_t{source_.lineCount} - scrollY_ - (i + 1) * step;
        const std::int64_t shown = line >= 0 ? columns : 0;
        if (shown > 0) {
            mapColourRow(sources, line * source_.pixelsPerLine, static_cast<std::size_t>(scrollX_),
                         static_cast<std::size_t>(step), static_cast<std::size_t>(shown), row);
        }
        std::memset(row + 3 * shown, 0, static_cast<std::size_t>(3 * (outputWidth_ - shown)));
    }
    return true;
}

// Display row i shows source line scrollY + i / m from the top, column j source
// column scrollX + j / m. Each source line is composed once and its pixels widened
// into the first of its m rows; the other rows are copies of it.
void ImageView::composeMagnified(const ChannelSources& sources) {
    const std::int64_t m = zoom_.magnification;
    const std::int64_t columns = visibleColumns(1);
    const std::int64_t sourceColumns = std::min(columns, (std::int64_t{outputWidth_} + m - 1) / m);
    const std::int64_t shown = std::min<std::int64_t>(sourceColumns * m, outputWidth_);
    sourceRow_.resize(static_cast<std::size_t>(3 * std::max<std::int64_t>(sourceColumns, 1)));
    for (std::int32_t i = 0; i < outputHeight_; i += static_cast<std::int32_t>(m)) {
        const std::int64_t line = std::int64_t{source_.lineCount} - 1 - scrollY_ - i / m;
        std::uint8_t* first = displayBits_ + bufferSize_ - std::int64_t{i + 1} * rowStride_;
        const std::int64_t rowShown = line >= 0 ? shown : 0;
        if (rowShown > 0) {
            mapColourRow(sources, line * source_.pixelsPerLine, static_cast<std::size_t>(scrollX_),
                         1, static_cast<std::size_t>(sourceColumns), sourceRow_.data());
            expandRow(sourceRow_.data(), sourceColumns, first);
        }
        std::memset(first + 3 * rowShown, 0,
                    static_cast<std::size_t>(3 * (outputWidth_ - rowShown)));
        const std::int32_t copies =
            static_cast<std::int32_t>(std::min<std::int64_t>(m, outputHeight_ - i));
        for (std::int32_t r = 1; r < copies; ++r)
            std::memcpy(first - std::int64_t{r} * rowStride_, first,
                        static_cast<std::size_t>(3 * outputWidth_));
    }
}

namespace {

// Source pixels [0, count) as M display pixels each. A display pixel goes out as one
// 4-byte store whose fourth byte the next store covers, so the caller leaves room
// for one byte past the last one.
template <int M>
void widenBlocks(const std::uint8_t* pixels, std::int64_t count, std::uint8_t* row) {
    for (std::int64_t k = 0; k < count; ++k, row += 3 * M) {
        // Put together in a register: a 3-byte copy into memory read back as 4 bytes
        // would wait on the store each time.
        const std::uint8_t* pixel = pixels + 3 * k;
        const std::uint32_t bgr =
            pixel[0] | std::uint32_t{pixel[1]} << 8 | std::uint32_t{pixel[2]} << 16;
        for (int r = 0; r < M; ++r)
            std::memcpy(row + 3 * r, &bgr, 4);
    }
}

// The zoom commands' magnifications with the block size known to the compiler.
void widenBlocks(int m, const std::uint8_t* pixels, std::int64_t count, std::uint8_t* row) {
    switch (m) {
        case 2:
            return widenBlocks<2>(pixels, count, row);
        case 4:
            return widenBlocks<4>(pixels, count, row);
        case 8:
            return widenBlocks<8>(pixels, count, row);
        case 16:
            return widenBlocks<16>(pixels, count, row);
        default:
            for (std::int64_t k = 0; k < count; ++k) {
                for (int r = 0; r < m; ++r)
                    std::memcpy(row + 3 * (k * m + r), pixels + 3 * k, 3);
            }
    }
}

}  // namespace

// Each of the source pixels as m display pixels, cut at the display's width: whole
// blocks as long as a byte past them stays on the row, the rest pixel by pixel.
void ImageView::expandRow(const std::uint8_t* pixels, std::int64_t sourceColumns,
                          std::uint8_t* row) const {
    const int m = zoom_.magnification;
    const std::int64_t shown = std::min<std::int64_t>(sourceColumns * m, outputWidth_);
    const std::int64_t wholeBlocks = std::max<std::int64_t>((shown - 1) / m, 0);
    widenBlocks(m, pixels, wholeBlocks, row);
    for (std::int64_t column = wholeBlocks * m; column < shown; ++column)
        std::memcpy(row + 3 * column, pixels + 3 * (column / m), 3);
}

CompositionKey ImageView::compositionKey() const {
    CompositionKey key;
    key.width = outputWidth_;
    key.height = outputHeight_;
    key.zoom = zoom_;
    key.scrollX = scrollX_;
    key.scrollY = scrollY_;
    key.mode = displayMode_;
    key.generation = bandGeneration_;
    for (int k = 0; k < kChannelCount; ++k) {
        const BandImage* band = shownBand(k);
        if (!band)
            continue;
        key.pixels[k] = band->pixels();
        key.levels[k] = {band->histogram()->highLevel, band->histogram()->lowLevel};
    }
    return key;
}

void ImageView::applyLevels(const ChannelLevels& levels) {
    for (int k = 0; k < shownChannels(displayMode_); ++k) {
        BandImage* band = channel(k);
        if (!band || !band->histogram())
            continue;
        band->histogram()->lowLevel = levels[k].low;
        band->histogram()->highLevel = levels[k].high;
    }
}

platform::WriteFailure ImageView::exportBitmap(const std::string& path) const {
    if (source_.pixelCount == 0)
        return platform::WriteFailure::Other;
    const std::optional<BitmapFileLayout> layout =
        bitmapFileLayout(displayMode_, source_.pixelsPerLine, source_.lineCount);
    if (!layout)
        return platform::WriteFailure::Other;
    const std::vector<std::uint8_t> header = bitmapFileHeader(*layout);
    const ChannelSources sources = channelSources();
    return platform::replaceFile(path, [&](platform::File& file) {
        return file.write(header.data(), header.size()) &&
               (layout->bitsPerPixel == 8 ? writeGreyRows(file, *layout, sources[0])
                                          : writeColourRows(file, *layout, sources));
    });
}

}  // namespace qm
