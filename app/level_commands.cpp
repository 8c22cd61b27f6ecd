// Commands 40013, 40014 and 40021: the input levels into the view, set by hand or
// automatically, and the level link's check mark.
#include "app/main_window.h"
#include "res/resource.h"
#include "view/band_change.h"

namespace qm {

void MainWindow::applyInputLevels() {
    view_->applyLevels(levels_);
    InvalidateRect(window_, nullptr, FALSE);
}

// A refusal (too few bands, single-band mode, a band without histogram) has been
// shown and leaves the levels as they were.
void MainWindow::autoLevelTrueColour() {
    if (applyTrueColourLevels(*view_, levels_))
        applyInputLevels();
}

// Only the check mark follows the link; the channels' level controls stay
// independent.
void MainWindow::toggleLevelLink() {
    linkLevels_ = !linkLevels_;
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STATE;
    item.fState = linkLevels_ ? MFS_CHECKED : MFS_UNCHECKED;
    SetMenuItemInfoA(GetMenu(window_), IDM_LINK_LEVELS, FALSE, &item);
}

}  // namespace qm
