#include "app/controls.h"

#include <commctrl.h>

#include "app/control_ids.h"
#include "app/level_step.h"
#include "app/texts.h"
#include "view/gdi/panel_layout.h"

namespace qm {

HWND createBandChooser(HWND parent, HINSTANCE instance, int channel) {
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER | CBS_DROPDOWNLIST;
    const HWND chooser = CreateWindowExA(
        0, "COMBOBOX", "", style, 0, layout::blockTop(channel), layout::kControlPanelWidth,
        layout::kBandChooserHeight, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control::kFirstBandChooser + channel)),
        instance, nullptr);
    SendMessageA(chooser, CB_SETDROPPEDWIDTH, layout::kDroppedListWidth, 0);
    SendMessageA(chooser, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(texts::kNoBand));
    SendMessageA(chooser, CB_SETCURSEL, 0, 0);
    return chooser;
}

HWND createLevelSpin(HWND parent, HINSTANCE instance, int id, int x, int y, int position) {
    return CreateUpDownControl(WS_CHILD | WS_VISIBLE | WS_BORDER | UDS_HORZ, x, y,
                               layout::kSpinWidth, layout::kLevelRowHeight, parent, id, instance,
                               nullptr, kLevelMax, kLevelMin, position);
}

HWND createScrollBar(HWND parent, HINSTANCE instance, int id, DWORD orientation) {
    return CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | WS_BORDER | orientation, 0,
                           0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           instance, nullptr);
}

}  // namespace qm
