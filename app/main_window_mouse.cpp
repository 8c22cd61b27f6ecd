// The mouse on the picture: the wheel scrolls it by the bars' line steps (or pages)
// and zooms it with Ctrl, the left button drags it, and the cursor is a hand while
// it is dragged. Nothing happens while no picture is shown. The toolbar's pixel text
// follows the cursor over the picture and empties when the cursor leaves.
#include <windowsx.h>

#include <cstdlib>

#include "app/main_window.h"
#include "app/scroll_step.h"
#include "res/resource.h"
#include "view/gdi/panel_layout.h"

namespace qm {
namespace {

// What Windows gives when the setting cannot be read.
constexpr UINT kDefaultWheelSetting = 3;

// Lines (SPI_GETWHEELSCROLLLINES) or columns (SPI_GETWHEELSCROLLCHARS) a notch, or
// WHEEL_PAGESCROLL for a page; read at every turn, so a change applies at once.
UINT wheelSetting(UINT action) {
    UINT setting = kDefaultWheelSetting;
    if (!SystemParametersInfoA(action, 0, &setting, 0))
        setting = kDefaultWheelSetting;
    return setting;
}

POINT clientPoint(LPARAM lParam) {
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

}  // namespace

// Ctrl turns the wheel into the zoom commands; Shift, or tilting the wheel, scrolls
// sideways. Turning forward scrolls up (or left), tilting right scrolls right.
LRESULT MainWindow::onMouseWheel(WPARAM wParam, LPARAM screenPoint, bool tilted) {
    if (!showsAnyBand())
        return 0;
    const int delta = GET_WHEEL_DELTA_WPARAM(wParam);
    const WORD keys = GET_KEYSTATE_WPARAM(wParam);
    if (!tilted && (keys & MK_CONTROL)) {
        POINT cursor = clientPoint(screenPoint);
        ScreenToClient(window_, &cursor);
        zoomByWheel(delta, cursor);
        return 0;
    }
    const bool horizontal = tilted || (keys & MK_SHIFT);
    const UINT setting = wheelSetting(tilted ? SPI_GETWHEELSCROLLCHARS : SPI_GETWHEELSCROLLLINES);
    const bool pages = setting == WHEEL_PAGESCROLL;
    const SCROLLINFO& state = horizontal ? hScroll_ : vScroll_;
    const std::int64_t unit = pages ? std::int64_t{state.nPage} : std::int64_t{kLineStep};
    WheelSteps& wheel = horizontal ? horizontalWheel_ : verticalWheel_;
    const std::int64_t steps = wheel.take(delta, pages ? 1 : setting);
    scrollBy(horizontal, (tilted ? steps : -steps) * unit);
    return 0;
}

// One zoom command per notch, refused like the menu's while a command runs. Each
// keeps the source pixel under the cursor under it, as far as the bars reach.
void MainWindow::zoomByWheel(int delta, POINT cursor) {
    const std::int64_t steps = zoomWheel_.take(delta, 1);
    const WPARAM command = steps > 0 ? IDM_ZOOM_IN : IDM_ZOOM_OUT;
    for (std::int64_t step = 0; step < std::llabs(steps); ++step) {
        const std::optional<SourcePixel> under = pixelAt(cursor);
        const Zoom before = view_->scale();
        onCommand(command, 0);
        if (under && view_->scale() != before)
            keepPixelAt(*under, cursor);
    }
}

std::optional<SourcePixel> MainWindow::pixelAt(POINT point) const {
    RECT client{};
    GetClientRect(window_, &client);
    const PictureGeometry picture = pictureGeometry(*view_, layout::imageAreaWidth(client.right),
                                                    layout::imageAreaHeight(client.bottom));
    return sourcePixelAt(picture, point.x, point.y);
}

void MainWindow::keepPixelAt(const SourcePixel& pixel, POINT point) {
    const ScrollOrigin origin = originShowingAt(pixel, view_->scale(), point.x, point.y);
    scrollWithinReach(true, origin.column);
    scrollWithinReach(false, origin.line);
    if (drag_.active())
        drag_.regrab(reachedPosition(true), reachedPosition(false));
}

bool MainWindow::inImageArea(POINT point) const {
    RECT client{};
    GetClientRect(window_, &client);
    const int left = layout::kControlPanelWidth;
    const int top = layout::kToolbarHeight;
    return point.x >= left && point.x < left + layout::imageAreaWidth(client.right) &&
           point.y >= top && point.y < top + layout::imageAreaHeight(client.bottom);
}

// A click in the window outside its controls gives it the keyboard, so the scroll
// keys reach the picture again after a band chooser had them.
LRESULT MainWindow::onLButtonDown(LPARAM lParam) {
    SetFocus(window_);
    const POINT point = clientPoint(lParam);
    if (!showsAnyBand() || !inImageArea(point))
        return 0;
    SetCapture(window_);
    drag_.start(point, reachedPosition(true), reachedPosition(false));
    return 0;
}

// A drag moves the picture first, so the pixel text names what is under the cursor
// after the move.
LRESULT MainWindow::onMouseMove(LPARAM lParam) {
    const POINT point = clientPoint(lParam);
    if (drag_.active()) {
        drag_.follow(point);
        const Zoom zoom = view_->scale();
        scrollWithinReach(true, drag_.columnFor(point, zoom));
        scrollWithinReach(false, drag_.lineFor(point, zoom));
    }
    pixelText_.pointerMoved(window_, point, *view_);
    followProfile(point);
    return 0;
}

// Letting the capture go sends WM_CAPTURECHANGED, which ends the drag. A press and
// release on one point is a click, which pins the profile or lets it go.
LRESULT MainWindow::onLButtonUp(LPARAM lParam) {
    const bool click = drag_.active() && !drag_.moved();
    if (GetCapture() == window_)
        ReleaseCapture();
    drag_.stop();
    if (click)
        pinProfile(clientPoint(lParam));
    return 0;
}

// Another window took the mouse (a message box, say): the drag ends where it is.
LRESULT MainWindow::onCaptureChanged() {
    drag_.stop();
    return 0;
}

LRESULT MainWindow::onSetCursor(WPARAM wParam, LPARAM lParam) {
    if (!drag_.active())
        return DefWindowProcA(window_, WM_SETCURSOR, wParam, lParam);
    SetCursor(PictureDrag::hand());
    return TRUE;
}

LRESULT MainWindow::onMouseLeave() {
    pixelText_.pointerLeft();
    return 0;
}

}  // namespace qm
