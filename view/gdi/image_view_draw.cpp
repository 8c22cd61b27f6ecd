// The view's two drawings on the main window: the display image in the image area
// and the histogram bars in the control panel.
#include <windows.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <new>
#include <optional>

#include "band/band_image.h"
#include "band/histogram.h"
#include "view/gdi/panel_layout.h"
#include "view/gdi/scoped_gdi.h"
#include "view/image_view.h"

namespace qm {
namespace {

// The portable description is handed to GDI as it is.
static_assert(sizeof(BitmapInfo) == sizeof(BITMAPINFO));
static_assert(offsetof(BitmapInfo, colors) == offsetof(BITMAPINFO, bmiColors));
static_assert(offsetof(BitmapInfoHeader, bitCount) == offsetof(BITMAPINFOHEADER, biBitCount));
static_assert(offsetof(BitmapInfoHeader, clrImportant) ==
              offsetof(BITMAPINFOHEADER, biClrImportant));

static_assert(kUncompressedRgb == BI_RGB);

const BITMAPINFO* asBitmapInfo(const BitmapInfo& info) {
    return reinterpret_cast<const BITMAPINFO*>(&info);
}

// Display channels 0, 1 and 2 are red, green and blue.
constexpr std::array<COLORREF, ImageView::kChannelCount> kChannelColours = {
    RGB(255, 0, 0),
    RGB(0, 255, 0),
    RGB(0, 0, 255),
};

// One vertical line per grey level 1 to 255, standing on the row just below the
// histogram area when the scale is 100.
void drawBars(HDC dc, const Histogram& histogram, int channel) {
    gdi::ScopedGdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, kChannelColours[channel]));
    gdi::ScopedSelect selectPen(dc, pen.get());
    const int base = layout::histogramTop(channel) + histogram.scale + 1;
    for (int x = 1; x < Histogram::kBins; ++x) {
        MoveToEx(dc, x, base - histogram.heights[x], nullptr);
        LineTo(dc, x, base);
    }
}

void copyToImageArea(HDC windowDc, HBITMAP section, int width, int height) {
    gdi::ScopedMemoryDC memory(windowDc);
    if (!memory)
        return;
    gdi::ScopedSelect selectSection(memory.get(), section);
    BitBlt(windowDc, layout::kControlPanelWidth, layout::kToolbarHeight, width, height,
           memory.get(), 0, 0, SRCCOPY);
}

}  // namespace

// The display's bitmap section and what was last composed into it.
struct DisplaySurface {
    HBITMAP section = nullptr;
    std::uint8_t* bits = nullptr;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::optional<CompositionKey> composed;
};

namespace {

void deleteSurface(DisplaySurface* surface) {
    if (surface->section)
        DeleteObject(surface->section);
    delete surface;
}

// A section of the size, zero-filled as GDI makes it; null when GDI refuses one.
DisplaySurface* newSurface(HDC windowDc, const BitmapInfo& info) {
    void* bits = nullptr;
    const HBITMAP section =
        CreateDIBSection(windowDc, asBitmapInfo(info), DIB_PAL_COLORS, &bits, nullptr, 0);
    if (!section || !bits) {
        if (section)
            DeleteObject(section);
        return nullptr;
    }
    auto* surface = new (std::nothrow) DisplaySurface;
    if (!surface) {
        DeleteObject(section);
        return nullptr;
    }
    surface->section = section;
    surface->bits = static_cast<std::uint8_t*>(bits);
    surface->width = info.header.width;
    surface->height = info.header.height;
    return surface;
}

}  // namespace

// The image is composed straight into the bitmap section, which has the display
// buffer's layout, so a display allocates no buffer of its own. The section stays
// for the next display of the same size: its memory is neither freed nor faulted
// in again on every paint, and an image whose key has not changed is only copied.
// displayBits points into the section only while it is being composed.
bool ImageView::draw() {
    const HWND window = static_cast<HWND>(targetWindow_);
    RECT client{};
    if (!window || !GetClientRect(window, &client))
        return false;
    const int width = layout::imageAreaWidth(client.right - client.left);
    const int height = layout::imageAreaHeight(client.bottom - client.top);
    gdi::ScopedDC windowDc(window);
    if (!windowDc)
        return false;

    bitmapInfo_ = displayBitmapInfo(width, height);
    if (!sizeDisplay(width, height)) {
        surface_.reset();
        return false;
    }
    if (!surface_ || surface_->width != width || surface_->height != height) {
        surface_.reset();
        surface_ = {newSurface(windowDc.get(), bitmapInfo_), deleteSurface};
        if (!surface_)
            return false;
    }
    const CompositionKey key = compositionKey();
    if (surface_->composed != key) {
        displayBits_ = surface_->bits;
        compose();
        displayBits_ = nullptr;
        surface_->composed = key;
    }
    copyToImageArea(windowDc.get(), surface_->section, width, height);
    return true;
}

// A channel without a band, or whose band has no histogram, gets no bars.
bool ImageView::drawHistograms(void* deviceContext) const {
    const HDC dc = static_cast<HDC>(deviceContext);
    for (int k = 0; k < shownChannels(displayMode_); ++k) {
        const BandImage* band = channel(k);
        if (band && band->histogram())
            drawBars(dc, *band->histogram(), k);
    }
    return true;
}

}  // namespace qm
