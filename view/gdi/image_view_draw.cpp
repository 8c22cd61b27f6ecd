// The view's two drawings on the main window: the display image in the image area
// and the histogram bars in the control panel.
#include <windows.h>

#include <array>
#include <cstddef>
#include <cstdint>

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

const BITMAPINFO* asBitmapInfo(const BitmapInfo& info) {
    return reinterpret_cast<const BITMAPINFO*>(&info);
}

// A bottom-up 24-bit picture (positive height); every other field and the colour
// entry stay 0.
BitmapInfo displayBitmapInfo(std::int32_t width, std::int32_t height) {
    BitmapInfo info;
    info.header.size = sizeof(BitmapInfoHeader);
    info.header.width = width;
    info.header.height = height;
    info.header.planes = 1;
    info.header.bitCount = 24;
    info.header.compression = BI_RGB;
    return info;
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

// The image is composed straight into the bitmap section, which has the display
// buffer's layout, so a display only sizes the image (no buffer of its own is
// allocated); displayBits points into the section only while it lives.
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
    if (!sizeDisplay(width, height))
        return false;

    void* sectionBits = nullptr;
    gdi::ScopedGdiObject<HBITMAP> section(CreateDIBSection(
        windowDc.get(), asBitmapInfo(bitmapInfo_), DIB_PAL_COLORS, &sectionBits, nullptr, 0));
    if (!section || !sectionBits)
        return false;
    displayBits_ = static_cast<std::uint8_t*>(sectionBits);
    compose();
    copyToImageArea(windowDc.get(), section.get(), width, height);
    displayBits_ = nullptr;
    return true;
}

// A channel without a band, or whose band has no histogram, gets no bars.
bool ImageView::drawHistograms(void* deviceContext) const {
    const HDC dc = static_cast<HDC>(deviceContext);
    for (int k = 0; k < layout::panelCount(displayMode_); ++k) {
        const BandImage* band = channel(k);
        if (band && band->histogram())
            drawBars(dc, *band->histogram(), k);
    }
    return true;
}

}  // namespace qm
