#include "app/toolbar.h"

#include <commctrl.h>

#include <iterator>

#include "app/control_ids.h"
#include "res/resource.h"

namespace qm {
namespace {

struct ToolbarButton {
    int image;
    int command;
    UINT tooltip;
};

// Buttons in picture order; the separators go in after creation.
constexpr ToolbarButton kButtons[] = {
    {0, IDM_OPEN, IDS_TIP_OPEN},
    {1, IDM_SAVE_AS, IDS_TIP_SAVE_AS},
    {2, IDM_APPLY_BAND_CHANGE, IDS_TIP_APPLY_BAND_CHANGE},
    {3, IDM_APPLY_INPUT_LEVELS, IDS_TIP_APPLY_INPUT_LEVELS},
    {4, IDM_ZOOM_IN, IDS_TIP_ZOOM_IN},
    {5, IDM_ZOOM_OUT, IDS_TIP_ZOOM_OUT},
};
constexpr int kButtonCount = static_cast<int>(std::size(kButtons));
constexpr int kImageSize = 24;
// Inserted at 4 first, then at 2: open, save | band change, levels | zoom in, out.
constexpr int kSeparatorPlaces[] = {4, 2};

TBBUTTON buttonRecord(int image, int command, BYTE style) {
    TBBUTTON button{};
    button.iBitmap = image;
    button.idCommand = command;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = style;
    return button;
}

}  // namespace

// The record size is that of this build's TBBUTTON: 20 bytes in 32-bit programs,
// 32 in 64-bit ones.
HWND createToolbar(HWND parent, HINSTANCE instance) {
    TBBUTTON buttons[kButtonCount];
    for (int i = 0; i < kButtonCount; ++i)
        buttons[i] = buttonRecord(kButtons[i].image, kButtons[i].command, TBSTYLE_BUTTON);
    const HWND toolbar = CreateToolbarEx(
        parent, WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS, control::kToolbar, kButtonCount, instance,
        IDB_TOOLBAR, buttons, kButtonCount, 0, 0, kImageSize, kImageSize, sizeof(TBBUTTON));
    for (const int place : kSeparatorPlaces) {
        TBBUTTON separator = buttonRecord(0, 0, TBSTYLE_SEP);
        SendMessageA(toolbar, TB_INSERTBUTTONA, place, reinterpret_cast<LPARAM>(&separator));
    }
    return toolbar;
}

UINT tooltipStringId(UINT_PTR command) {
    for (const ToolbarButton& button : kButtons) {
        if (static_cast<UINT_PTR>(button.command) == command)
            return button.tooltip;
    }
    return 0;
}

}  // namespace qm
