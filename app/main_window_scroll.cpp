// WM_SIZE, WM_HSCROLL and WM_VSCROLL: the scroll bars' places, ranges and pages,
// and the scroll position that becomes the view's origin.
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
    const std::int32_t zoom = view_->zoom();
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

// The bar shows the position within its range; the state keeps it as it came, and
// the view ignores a negative origin.
void MainWindow::scroll(SCROLLINFO& state, HWND bar, WPARAM wParam, bool horizontal) {
    state.nPos = scrolledPosition(state, wParam);
    state.fMask = SIF_RANGE | SIF_POS;
    SetScrollInfo(bar, SB_CTL, &state, TRUE);
    if (horizontal)
        view_->setOrigin(state.nPos, -1);
    else
        view_->setOrigin(-1, state.nPos);
    invalidateImageArea();
}

}  // namespace qm
