// Commands 40008 and 40009: one band in grey, or three bands in colour. Either
// switch empties the view; the band choice takes effect with the band change.
#include "app/main_window.h"
#include "res/resource.h"

namespace qm {

// The menu offers the mode that is not active.
void MainWindow::setModeMenu(UINT activeMode, UINT otherMode) {
    const HMENU menu = GetMenu(window_);
    EnableMenuItem(menu, activeMode, MF_BYCOMMAND | MF_GRAYED);
    EnableMenuItem(menu, otherMode, MF_BYCOMMAND | MF_ENABLED);
}

// Channels 1 and 2 go back to "do not display" and to the default levels, and
// show or hide their controls; channel 0 keeps its levels.
void MainWindow::resetChannel(int channel, bool shown) {
    const int command = shown ? SW_SHOW : SW_HIDE;
    SendMessageA(bandCombos_[channel], CB_SETCURSEL, 0, 0);
    ShowWindow(bandCombos_[channel], command);
    ShowWindow(levelSpins_[channel].highSpin, command);
    ShowWindow(levelSpins_[channel].lowSpin, command);
    levels_[channel] = LevelRange{};
}

// Either switch erases the image area and the panels: the picture shown so far
// goes, and in single-band mode so do the hidden channels' panels.
void MainWindow::singleBandMode() {
    setModeMenu(IDM_SINGLE_BAND_MODE, IDM_THREE_BAND_MODE);
    SendMessageA(bandCombos_[0], CB_SETCURSEL, 0, 0);
    for (int channel = 1; channel < ImageView::kChannelCount; ++channel)
        resetChannel(channel, false);
    view_->setMode(DisplayMode::SingleBand);
    refreshProfile();
    InvalidateRect(window_, nullptr, TRUE);
}

void MainWindow::threeBandMode() {
    setModeMenu(IDM_THREE_BAND_MODE, IDM_SINGLE_BAND_MODE);
    SendMessageA(bandCombos_[0], CB_SETCURSEL, 0, 0);
    for (int channel = 1; channel < ImageView::kChannelCount; ++channel)
        resetChannel(channel, true);
    view_->setMode(DisplayMode::ThreeBand);
    refreshProfile();
    InvalidateRect(window_, nullptr, TRUE);
}

}  // namespace qm
