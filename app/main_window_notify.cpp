// WM_NOTIFY: clicks on the level up-downs and the toolbar's requests for tooltip
// texts.
#include "app/main_window.h"

#include <commctrl.h>

#include "app/control_ids.h"
#include "app/level_step.h"
#include "app/toolbar.h"

namespace qm {
namespace {

// The text is a string of the resources, named by id; other buttons' requests are
// left as they came.
void supplyTooltipText(NMTTDISPINFOA& record, HINSTANCE instance) {
    const UINT stringId = tooltipStringId(record.hdr.idFrom);
    if (stringId == 0)
        return;
    record.hinst = instance;
    record.lpszText = MAKEINTRESOURCEA(stringId);
}

}  // namespace

LRESULT MainWindow::onNotify(WPARAM id, LPARAM record) {
    auto* header = reinterpret_cast<NMHDR*>(record);
    const bool levelSpin = id >= control::kFirstLowSpin && id < control::kToolbar;
    if (levelSpin && header->code == UDN_DELTAPOS)
        onLevelSpin(static_cast<int>(id), reinterpret_cast<NMUPDOWN*>(record)->iDelta);
    if (header->code == TTN_NEEDTEXTA)
        supplyTooltipText(*reinterpret_cast<NMTTDISPINFOA*>(record), instance_);
    return 0;
}

// The level follows the sum of the clicks, not the control's own position. The
// next paint redraws the panels only: new levels reach the image when applied.
// Clicks while a command runs (it waits in a box or dialog) are ignored.
void MainWindow::onLevelSpin(int id, int delta) {
    if (modal_.held())
        return;
    const bool high = id >= control::kFirstHighSpin;
    const int channel = id - (high ? control::kFirstHighSpin : control::kFirstLowSpin);
    stepLevel(levels_[channel], high ? LevelMember::High : LevelMember::Low, delta);
    paintFlags_ |= kPanelsOnly;
    invalidatePanels();
}

}  // namespace qm
