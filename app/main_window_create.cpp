// WM_CREATE: the shell starts in three-band mode and builds its control panel.
#include "app/main_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/control_ids.h"
#include "app/controls.h"
#include "app/toolbar.h"
#include "res/resource.h"
#include "view/gdi/panel_layout.h"

namespace qm {

// The mode switch runs before any control exists, so only its menu, level and view
// parts take effect here.
LRESULT MainWindow::onCreate(HWND window) {
    window_ = window;
    instance_ = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    threeBandMode();
    // Nothing is open yet, so there is nothing to tell of.
    EnableMenuItem(GetMenu(window_), IDM_PRODUCT_INFO, MF_BYCOMMAND | MF_GRAYED);
    InitCommonControls();
    for (int channel = 0; channel < ImageView::kChannelCount; ++channel)
        createChannelControls(channel);
    toolbar_ = createToolbar(window_, instance_);
    createScrollBars();
    view_->setWindow(window_);
    pixelText_.create(toolbar_, instance_, control::kPixelText);
    DragAcceptFiles(window_, TRUE);
    return 0;
}

// The band chooser at the top of the channel's block, the up-downs in the row
// below its histogram: low at the left, high at the right.
void MainWindow::createChannelControls(int channel) {
    const int row = layout::levelRowTop(channel);
    constexpr LevelRange kStart;
    bandCombos_[channel] = createBandChooser(window_, instance_, channel);
    levelSpins_[channel].lowSpin =
        createLevelSpin(window_, instance_, control::kFirstLowSpin + channel, 0, row, kStart.low);
    levelSpins_[channel].highSpin =
        createLevelSpin(window_, instance_, control::kFirstHighSpin + channel,
                        layout::kTextBoxRight, row, kStart.high);
}

// Both bars start empty (range 0 to 0), which shows them disabled.
void MainWindow::createScrollBars() {
    vScrollBar_ = createScrollBar(window_, instance_, control::kVerticalScrollBar, SBS_VERT);
    hScrollBar_ = createScrollBar(window_, instance_, control::kHorizontalScrollBar, SBS_HORZ);
    for (SCROLLINFO* state : {&vScroll_, &hScroll_}) {
        *state = SCROLLINFO{};
        state->cbSize = sizeof(SCROLLINFO);
        state->fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    }
    SetScrollInfo(vScrollBar_, SB_CTL, &vScroll_, TRUE);
    SetScrollInfo(hScrollBar_, SB_CTL, &hScroll_, TRUE);
}

}  // namespace qm
