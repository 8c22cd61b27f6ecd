// Command 40016: the bands chosen in the three choosers into the view.
#include "app/main_window.h"
#include "app/scoped_wait_cursor.h"
#include "view/band_change.h"
#include "view/picture_georeference.h"

namespace qm {

// Item 0 ("do not display") or no selection leaves the channel without a band.
BandImage* MainWindow::chosenBand(int channel) const {
    const LRESULT selection = SendMessageA(bandCombos_[channel], CB_GETCURSEL, 0, 0);
    return selection > 0 ? catalog_->band(static_cast<int>(selection) - 1) : nullptr;
}

// Bands that differ in size are refused (with a message) and nothing changes. A
// band that fails to load, or whose histogram shows the capped-bar notice, shows a
// box.
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
    pixelText_.setGeoreference(pictureGeoreference(*view_, *catalog_));
    refreshProfile();
    InvalidateRect(window_, nullptr, FALSE);
}

// The last channel with a band sets the picture's extent; without bands there is
// none.
void MainWindow::setScrollRanges(const ChosenBands& chosen) {
    std::int32_t width = 0;
    std::int32_t height = 0;
    for (const BandImage* band : chosen) {
        if (!band)
            continue;
        height = band->lineCount();
        width = band->pixelsPerLine();
    }
    startScrollingAgain(width, height);
}

// The view starts again at zoom 1 and origin (0, 0) with a new picture (or none):
// the bars start again at position 0.
void MainWindow::startScrollingAgain(std::int32_t pictureWidth, std::int32_t pictureHeight) {
    pictureWidth_ = pictureWidth;
    pictureHeight_ = pictureHeight;
    vScroll_.nPos = 0;
    hScroll_.nPos = 0;
    fitScrollBars();
}

}  // namespace qm
