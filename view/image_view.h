// What the image area of the main window shows: the bands feeding the three
// display channels, grey or colour, the zoom (a whole-number subsampling factor or
// a magnification), the scroll origin and the display image's description, size
// and buffer.
//
// The view refers to bands but does not own them (the product catalogue does); it
// decides when a band's pixel buffer is loaded and when it is freed.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include <string>

#include "platform/platform.h"
#include "view/bitmap_info.h"
#include "view/channel_source.h"
#include "view/display_mode.h"
#include "view/level_range.h"
#include "view/zoom.h"

namespace qm {

class BandImage;

// The display's bitmap section on Windows; only the GDI code knows what it holds.
struct DisplaySurface;

// The picture the shown bands make, in source pixels: the geometry of the band last
// assigned. pixelCount is 0 when there is no picture to show (no line, no pixel, or
// more pixels than 32 bits count), even where the two counts are set.
struct SourceGeometry {
    std::int32_t pixelsPerLine = 0;
    std::int32_t lineCount = 0;
    std::int32_t pixelCount = 0;
};

// Everything a composed display image depends on: two equal keys give the same
// bytes. The generation counts the changes of the channels' bands.
struct CompositionKey {
    std::int32_t width = 0;
    std::int32_t height = 0;
    Zoom zoom{0, 0};
    std::int32_t scrollX = 0;
    std::int32_t scrollY = 0;
    DisplayMode mode = DisplayMode::None;
    std::uint32_t generation = 0;
    std::array<const std::uint8_t*, 3> pixels{};
    std::array<LevelRange, 3> levels{};

    bool operator==(const CompositionKey&) const = default;
};

class ImageView {
  public:
    static constexpr int kChannelCount = 3;

    ImageView() = default;
    ImageView(const ImageView&) = delete;
    ImageView& operator=(const ImageView&) = delete;
    ~ImageView() = default;

    // The window whose client area receives the image (the main window).
    void setWindow(void* window) { targetWindow_ = window; }

    // Channel 0 (red), 1 (green) or 2 (blue); null for any other index.
    BandImage* channel(int index) const;
    // The channel's band when it can be shown: a band whose load failed (no pixels
    // or no histogram) counts as no band, so nothing reads what it lacks.
    BandImage* shownBand(int index) const;
    // The band the picture is made of, whose grid it shows: the first shown
    // channel's; null when nothing is shown.
    BandImage* firstShownBand() const;

    DisplayMode mode() const { return displayMode_; }
    // Sets the mode and lets go of every channel: the band choice must be applied
    // again. Zoom and scroll origin stay.
    void setMode(DisplayMode newMode);
    // Assigns the bands by mode (single-band mode shows band0 on all three channels), loads
    // them, and starts again at zoom 1 and origin (0, 0). A band that cannot be
    // loaded is reported and ends the assignment.
    void setChannels(BandImage* band0, BandImage* band1, BandImage* band2);
    // Frees the pixels of the slot's band (its histogram stays) and empties the slot.
    void releaseChannel(int slot);

    // The subsampling factor: 1 while the picture is magnified.
    std::int32_t zoom() const { return zoom_.subsample; }
    // Subsamples by the factor (1 shows every pixel); no magnification.
    void setZoom(std::int32_t factor) { zoom_ = {factor, 1}; }
    std::int32_t magnification() const { return zoom_.magnification; }
    // Draws each source pixel as a block of that many screen pixels a side; no
    // subsampling.
    void setMagnification(std::int32_t factor) { zoom_ = {1, factor}; }
    Zoom scale() const { return zoom_; }
    // The zoom at which the picture's lines (or, after a display image taller than
    // wide, its columns) fit the window's free area. Unchanged before the first
    // display image or when the window leaves no free area on that axis.
    void fitToWindow();
    // A negative coordinate leaves that coordinate as it is.
    void setOrigin(std::int32_t x, std::int32_t y);

    // Sizes the display image and allocates its zero-filled buffer. False when
    // nothing is shown, the size is not positive or too large, or memory runs out.
    bool prepareBuffer(std::int32_t width, std::int32_t height);

    // Fills the display buffer from the shown channels' pixels through their levels:
    // every zoom-th pixel of every zoom-th line from the scroll origin, or each pixel
    // from the origin as a magnification x magnification block, black right of and
    // below the picture. False when nothing is shown or no buffer has been prepared.
    bool compose();

    // Windows only. Sizes the display image to the window's image area, composes it
    // into a bitmap section and copies it to the window right of the control panel,
    // below the toolbar. False (and nothing drawn) when nothing is shown, the area
    // is empty or GDI refuses a resource. The section is kept for the next display
    // of the same size, and an image whose composition key has not changed since
    // (a window uncovered, say) is copied again without being composed.
    bool draw();
    // Windows only. Draws each shown channel's histogram bars in the channel's
    // colour into the device context (an HDC) of the main window. Always true.
    bool drawHistograms(void* deviceContext) const;

    // Copies each shown channel's range into its band's histogram, channels in
    // order, so a band shown on two channels keeps the later one's range.
    void applyLevels(const ChannelLevels& levels);

    // Writes the whole picture at full resolution, whatever the zoom and origin, as
    // an 8-bit grey BMP (single-band mode) or a 24-bit one (three-band mode). The
    // file is replaced only once the new one is complete, so a failure leaves the
    // old one as it was. None, or why not: Other when nothing is shown or the
    // file's size cannot be stated in 32 bits.
    platform::WriteFailure exportBitmap(const std::string& path) const;

    // What the display image shown now depends on.
    CompositionKey compositionKey() const;

    std::uint8_t* displayBits() const { return displayBits_; }
    std::int32_t outputWidth() const { return outputWidth_; }
    std::int32_t outputHeight() const { return outputHeight_; }
    std::int32_t bufferSize() const { return bufferSize_; }
    std::int32_t rowStride() const { return rowStride_; }
    std::int32_t rowPadding() const { return rowPadding_; }
    std::int32_t pixelsPerLine() const { return source_.pixelsPerLine; }
    std::int32_t lineCount() const { return source_.lineCount; }
    std::int32_t pixelCount() const { return source_.pixelCount; }
    std::int32_t scrollX() const { return scrollX_; }
    std::int32_t scrollY() const { return scrollY_; }
    void* targetWindow() const { return targetWindow_; }

    // Each channel's pixels and level table as the next composition or export maps
    // them; a channel without a shown band has none.
    ChannelSources channelSources() const;

  private:
    bool sizeDisplay(std::int32_t width, std::int32_t height);
    void clearGeometry();
    std::int64_t visibleColumns(std::int64_t step) const;
    void composeMagnified(const ChannelSources& sources);
    void expandRow(const std::uint8_t* pixels, std::int64_t sourceColumns, std::uint8_t* row) const;
    bool loadChannel(BandImage& band);

    BitmapInfo bitmapInfo_;
    std::uint8_t* displayBits_ = nullptr;
    std::int32_t outputWidth_ = 0;
    std::int32_t outputHeight_ = 0;
    std::int32_t bufferSize_ = 0;
    std::int32_t rowStride_ = 0;
    std::int32_t rowPadding_ = 0;
    SourceGeometry source_;
    Zoom zoom_;
    // One composed source line, for a magnified display.
    std::vector<std::uint8_t> sourceRow_;
    DisplayMode displayMode_ = DisplayMode::None;
    std::int32_t scrollX_ = 0;
    std::int32_t scrollY_ = 0;
    void* targetWindow_ = nullptr;
    std::array<BandImage*, kChannelCount> channels_{};
    // The display buffer of prepareBuffer, owned here; displayBits points into it
    // until a display puts the image elsewhere.
    std::unique_ptr<std::uint8_t[]> displayBuffer_;
    // Counts every change of the channels' bands, for the composition key.
    std::uint32_t bandGeneration_ = 0;
    // Windows only: the section draw() composes into, with the deleter that its
    // maker gave; null elsewhere and before the first display.
    std::unique_ptr<DisplaySurface, void (*)(DisplaySurface*)> surface_{nullptr, nullptr};
};

}  // namespace qm
