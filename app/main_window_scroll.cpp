// WM_SIZE, WM_HSCROLL and WM_VSCROLL: the scroll bars' places, ranges and pages,
// and the scroll position that becomes the view's origin, wherever the request to
// scroll comes from.
#include <algorithm>

#include "app/main_window.h"
#include "app/scroll_fit.h"
#include "app/scroll_step.h"
#include "view/gdi/panel_layout.h"

namespace qm {

// The bars run along the image area. A client area smaller than the margins (a
// minimised window) gives empty bars and pages.
LRESULT MainWindow::onSize(WPARAM wParam, LPARAM lParam) {
    RECT client{};
    GetClientRect(window_, &client);
    const int areaWidth = std::max(0, layout::imageAreaWidth(client.right));
    const int areaHeight = std::max(0, layout::imageAreaHeight(client.bottom));
    const int barThickness = layout::kScrollBarThickness;
    MoveWindow(vScrollBar_, client.right - barThickness, layout::kToolbarHeight, barThickness,
               areaHeight, TRUE);
    MoveWindow(hScrollBar_, layout::kControlPanelWidth, client.bottom - barThickness, areaWidth,
               barThickness, TRUE);
    fitScrollBars();
    SendMessageA(toolbar_, WM_SIZE, wParam, lParam);
    return 0;
}

// Whenever the picture, the zoom or the image area changes: each page becomes the
// image area in source pixels at the current zoom, and each position what the bar
// lets it reach, which the view takes as its origin. The bars get the whole state,
// so they and the shell's copies hold the same.
void MainWindow::fitScrollBars() {
    RECT client{};
    GetClientRect(window_, &client);
    const Zoom zoom = view_->scale();
    fitScrollState(vScroll_, pictureHeight_, layout::imageAreaHeight(client.bottom), zoom);
    fitScrollState(hScroll_, pictureWidth_, layout::imageAreaWidth(client.right), zoom);
    SetScrollInfo(vScrollBar_, SB_CTL, &vScroll_, TRUE);
    SetScrollInfo(hScrollBar_, SB_CTL, &hScroll_, TRUE);
    view_->setOrigin(hScroll_.nPos, vScroll_.nPos);
}

// The up-downs send WM_HSCROLL too; only the scroll bars' messages scroll.
LRESULT MainWindow::onHScroll(WPARAM wParam, LPARAM bar) {
    const HWND sender = reinterpret_cast<HWND>(bar);
    if (sender == vScrollBar_ || sender == hScrollBar_)
        scroll(hScroll_, hScrollBar_, wParam, true);
    return 0;
}

LRESULT MainWindow::onVScroll(WPARAM wParam, LPARAM) {
    scroll(vScroll_, vScrollBar_, wParam, false);
    return 0;
}

void MainWindow::scroll(SCROLLINFO& state, HWND bar, WPARAM wParam, bool horizontal) {
    SCROLLINFO track{};
    track.cbSize = sizeof track;
    track.fMask = SIF_TRACKPOS;
    GetScrollInfo(bar, SB_CTL, &track);
    moveScrollPosition(state, bar, scrolledPosition(state, wParam, track.nTrackPos), horizontal);
}

// A bar's page or line step can leave the position outside what the bar shows; a
// step of the wheel or the keys starts from what the bar shows.
int MainWindow::reachedPosition(bool horizontal) const {
    const SCROLLINFO& state = horizontal ? hScroll_ : vScroll_;
    return reachablePosition(state, state.nPos);
}

void MainWindow::scrollBy(bool horizontal, std::int64_t amount) {
    scrollWithinReach(horizontal, reachedPosition(horizontal) + amount);
}

// The wheel, the keys and dragging the picture stay where the bar can show them, so
// the bar, its copy and the view's origin hold the same position. A move that
// changes nothing paints nothing.
void MainWindow::scrollWithinReach(bool horizontal, std::int64_t position) {
    SCROLLINFO& state = horizontal ? hScroll_ : vScroll_;
    const int reachable = reachablePosition(state, position);
    if (reachable != state.nPos)
        moveScrollPosition(state, horizontal ? hScrollBar_ : vScrollBar_, reachable, horizontal);
}

// The bar shows the position within its range; the state keeps it as it came, and
// the view ignores a negative origin.
void MainWindow::moveScrollPosition(SCROLLINFO& state, HWND bar, int position, bool horizontal) {
    state.nPos = position;
    state.fMask = SIF_RANGE | SIF_POS;
    SetScrollInfo(bar, SB_CTL, &state, TRUE);
    if (horizontal)
        view_->setOrigin(state.nPos, -1);
    else
        view_->setOrigin(-1, state.nPos);
    invalidateImageArea();
}

}  // namespace qm
