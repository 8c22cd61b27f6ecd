// Command 40016: the bands chosen in the three choosers into the view.
#include "app/main_window.h"
#include "app/scoped_wait_cursor.h"
#include "view/band_change.h"

namespace qm {

// Item 0 ("do not display") or no selection leaves the channel without a band.
BandImage* MainWindow::chosenBand(int channel) const {
    const LRESULT selection = SendMessageA(bandCombos_[channel], CB_GETCURSEL, 0, 0);
    return selection > 0 ? catalog_->band(static_cast<int>(selection) - 1) : nullptr;
}

// Bands that differ in size are refused (with a message) and nothing changes.
void MainWindow::applyBandChange() {
    ChosenBands chosen{};
    for (int i = 0; i < ImageView::kChannelCount; ++i)
        chosen[static_cast<std::size_t>(i)] = chosenBand(i);
    {
        const ScopedWaitCursor wait;
        if (!changeBands(*view_, chosen, levels_, window_))
            return;
    }
    setScrollRanges(chosen);
    view_->setOrigin(0, 0);
    InvalidateRect(window_, nullptr, FALSE);
}

// The last channel with a band sets the ranges; without bands both are 0..0. The
// pages stay as the last resize set them.
void MainWindow::setScrollRanges(const ChosenBands& chosen) {
    for (SCROLLINFO* state : {&vScroll_, &hScroll_}) {
        state->fMask = SIF_RANGE | SIF_POS;
        state->nMin = 0;
        state->nMax = 0;
        state->nPos = 0;
    }
    for (const BandImage* band : chosen) {
        if (!band)
            continue;
        vScroll_.nMax = band->lineCount();
        hScroll_.nMax = band->pixelsPerLine();
    }
    SetScrollInfo(vScrollBar_, SB_CTL, &vScroll_, TRUE);
    SetScrollInfo(hScrollBar_, SB_CTL, &hScroll_, TRUE);
}

}  // namespace qm
