// WM_PAINT: the control panel's histogram panels, then, unless only the panels were
// asked for, the display image. Later elements cover earlier ones where they meet:
// text boxes, grey areas, level texts, bars, level markers, image.
#include <cstdio>

#include "app/main_window.h"
#include "view/gdi/panel_layout.h"
#include "view/gdi/scoped_gdi.h"
#include "view/texts.h"

namespace qm {
namespace {

constexpr COLORREF kHistogramGrey = RGB(230, 230, 230);

void drawTextBoxes(HDC dc, int panels) {
    gdi::ScopedSelect pen(dc, GetStockObject(WHITE_PEN));
    gdi::ScopedSelect brush(dc, GetStockObject(WHITE_BRUSH));
    for (int i = 0; i < panels; ++i) {
        Rectangle(dc, layout::kTextBoxLeft, layout::levelRowTop(i), layout::kTextBoxRight,
                  layout::levelRowBottom(i));
    }
}

void drawHistogramAreas(HDC dc, int panels) {
    gdi::ScopedGdiObject<HPEN> greyPen(CreatePen(PS_SOLID, 1, kHistogramGrey));
    gdi::ScopedGdiObject<HBRUSH> greyBrush(CreateSolidBrush(kHistogramGrey));
    gdi::ScopedSelect pen(dc, greyPen.get());
    gdi::ScopedSelect brush(dc, greyBrush.get());
    for (int i = 0; i < panels; ++i) {
        Rectangle(dc, 0, layout::histogramTop(i), layout::kControlPanelWidth,
                  layout::histogramBottom(i));
    }
}

// "low ～ high", in the DC's own font and colours.
void drawLevelTexts(HDC dc, int panels, const ChannelLevels& levels) {
    gdi::ScopedSelect pen(dc, GetStockObject(BLACK_PEN));
    for (int i = 0; i < panels; ++i) {
        char text[50] = {};
        std::snprintf(text, sizeof text, texts::kLevelRangeFormat, levels[i].low, levels[i].high);
        TextOutA(dc, layout::kLevelTextX, layout::levelRowTop(i) + layout::kLevelTextDown, text,
                 lstrlenA(text));
    }
}

// A level outside 0 to 255 has no place on the histogram and gets no marker.
void drawMarker(HDC dc, int channel, int level) {
    if (level < 0 || level >= layout::kControlPanelWidth)
        return;
    MoveToEx(dc, level, layout::histogramTop(channel), nullptr);
    LineTo(dc, level, layout::histogramBottom(channel));
}

void drawLevelMarkers(HDC dc, int panels, const ChannelLevels& levels) {
    gdi::ScopedGdiObject<HPEN> blackPen(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
    gdi::ScopedSelect pen(dc, blackPen.get());
    for (int i = 0; i < panels; ++i) {
        drawMarker(dc, i, levels[i].low);
        drawMarker(dc, i, levels[i].high);
    }
}

}  // namespace

// The paint flags are cleared whichever way the paint went. A paint of the image
// area alone leaves the panels as they are: their drawing would all be clipped.
LRESULT MainWindow::onPaint() {
    {
        gdi::ScopedPaint paint(window_);
        if (paint.area().left < layout::kControlPanelWidth)
            drawPanels(paint.get());
    }
    if (!(paintFlags_ & kPanelsOnly))
        view_->draw();
    paintFlags_ = 0;
    pixelText_.refresh(window_, *view_);
    return 0;
}

void MainWindow::invalidateImageArea() {
    RECT client{};
    GetClientRect(window_, &client);
    const RECT image{layout::kControlPanelWidth, layout::kToolbarHeight,
                     layout::kControlPanelWidth + layout::imageAreaWidth(client.right),
                     layout::kToolbarHeight + layout::imageAreaHeight(client.bottom)};
    InvalidateRect(window_, &image, FALSE);
}

void MainWindow::invalidatePanels() {
    RECT client{};
    GetClientRect(window_, &client);
    const RECT panels{0, layout::kToolbarHeight, layout::kControlPanelWidth, client.bottom};
    InvalidateRect(window_, &panels, FALSE);
}

void MainWindow::drawPanels(HDC dc) const {
    const int panels = shownChannels(view_->mode());
    drawTextBoxes(dc, panels);
    drawHistogramAreas(dc, panels);
    drawLevelTexts(dc, panels, levels_);
    view_->drawHistograms(dc);
    drawLevelMarkers(dc, panels, levels_);
}

}  // namespace qm
