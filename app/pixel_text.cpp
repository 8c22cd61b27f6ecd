#include "app/pixel_text.h"

#include <commctrl.h>

#include <algorithm>

#include "view/gdi/panel_layout.h"
#include "view/image_view.h"
#include "view/pixel_readout.h"
#include "view/source_pixel.h"

namespace qm {
namespace {

constexpr int kGap = 16;
constexpr int kWidth = 320;
constexpr int kHeight = 16;

// Right of the toolbar's last item, centred in its height.
RECT placeAfterButtons(HWND toolbar) {
    RECT last{};
    const auto count = SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0);
    if (count > 0)
        SendMessageA(toolbar, TB_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&last));
    RECT strip{};
    GetClientRect(toolbar, &strip);
    const int top = std::max(0, static_cast<int>(strip.bottom - kHeight) / 2);
    return {last.right + kGap, top, last.right + kGap + kWidth, top + kHeight};
}

}  // namespace

void PixelText::create(HWND toolbar, HINSTANCE instance, int id) {
    const RECT place = placeAfterButtons(toolbar);
    control_ =
        CreateWindowExA(0, "STATIC", "", WS_CHILD | SS_LEFT | SS_NOPREFIX, place.left, place.top,
                        place.right - place.left, place.bottom - place.top, toolbar,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    SendMessageA(control_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
}

void PixelText::pointerMoved(HWND window, POINT point, const ImageView& view) {
    if (!trackingLeave_) {
        TRACKMOUSEEVENT request{};
        request.cbSize = sizeof request;
        request.dwFlags = TME_LEAVE;
        request.hwndTrack = window;
        trackingLeave_ = TrackMouseEvent(&request) != FALSE;
    }
    pointer_ = point;
    refresh(window, view);
}

void PixelText::pointerLeft() {
    trackingLeave_ = false;
    pointer_.reset();
    show({});
}

void PixelText::refresh(HWND window, const ImageView& view) {
    if (!pointer_) {
        show({});
        return;
    }
    RECT client{};
    GetClientRect(window, &client);
    const PictureGeometry picture = pictureGeometry(view, layout::imageAreaWidth(client.right),
                                                    layout::imageAreaHeight(client.bottom));
    show(pixelReadout(view, sourcePixelAt(picture, pointer_->x, pointer_->y)));
}

// Set only when it changes, so a moving cursor does not make the text flicker. An
// empty text is hidden: the control's background need not match the toolbar's.
void PixelText::show(const std::string& text) {
    if (!control_ || text == shown_)
        return;
    shown_ = text;
    SetWindowTextA(control_, text.c_str());
    ShowWindow(control_, text.empty() ? SW_HIDE : SW_SHOWNA);
}

}  // namespace qm
