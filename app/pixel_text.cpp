#include "app/pixel_text.h"

#include <commctrl.h>

#include <algorithm>

#include "product/georeference.h"
#include "view/gdi/panel_layout.h"
#include "view/gdi/scoped_gdi.h"
#include "view/image_view.h"
#include "view/pixel_readout.h"
#include "view/source_pixel.h"

namespace qm {
namespace {

constexpr int kGap = 16;
constexpr int kWidth = 320;
constexpr int kLineHeight = 16;
// The strip takes at most this many pixels to the right of the buttons.
constexpr int kWidestText = 1600;

// Right of the toolbar's last item, centred in its height: one line, or two.
RECT placeAfterButtons(HWND toolbar, int width, int lines) {
    RECT last{};
    const auto count = SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0);
    if (count > 0)
        SendMessageA(toolbar, TB_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&last));
    RECT strip{};
    GetClientRect(toolbar, &strip);
    const int height = kLineHeight * lines;
    const int top = std::max(0, static_cast<int>(strip.bottom - height) / 2);
    return {last.right + kGap, top, last.right + kGap + width, top + height};
}

// The width the text's widest line takes in the control's font.
int textWidth(HWND control, const std::string& text) {
    const gdi::ScopedDC dc(control);
    const gdi::ScopedSelect font(
        dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    int widest = 0;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        SIZE size{};
        GetTextExtentPoint32A(dc.get(), text.data() + start, static_cast<int>(end - start), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
        start = end + 1;
    }
    return widest;
}

// What the strip holds right of the buttons, up to the toolbar's edge.
int roomRightOfButtons(HWND control) {
    const HWND toolbar = GetParent(control);
    RECT strip{};
    GetClientRect(toolbar, &strip);
    const RECT place = placeAfterButtons(toolbar, 0, 1);
    return std::clamp(static_cast<int>(strip.right - place.left), kWidth, kWidestText);
}

}  // namespace

void PixelText::create(HWND toolbar, HINSTANCE instance, int id) {
    const RECT place = placeAfterButtons(toolbar, kWidth, 1);
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
    const std::optional<SourcePixel> pixel = sourcePixelAt(picture, pointer_->x, pointer_->y);
    const std::string readout = pixelReadout(view, pixel);
    show(readout.empty() || !pixel ? readout
                                   : withMapPosition(readout, pixel->column, pixel->line));
}

void PixelText::setGeoreference(std::optional<BandGeoreference> georeference) {
    georeference_ = std::move(georeference);
    mapTextFor_.reset();
}

// Worked out again only when the readout, the pixel or the room changes: a cursor
// moving within one magnified pixel neither projects nor measures anything.
std::string PixelText::withMapPosition(const std::string& readout, int column, int line) {
    if (!georeference_)
        return readout;
    const MapTextKey key{readout, column, line, roomRightOfButtons(control_)};
    if (key == mapTextFor_)
        return mapText_;
    const std::string position = mapPositionText(*georeference_, column, line);
    const std::string oneLine = readout + "    " + position;
    mapText_ = textWidth(control_, oneLine) <= key.room ? oneLine : readout + "\n" + position;
    mapTextFor_ = key;
    return mapText_;
}

// Set only when it changes, so a moving cursor does not make the text flicker. An
// empty text is hidden: the control's background need not match the toolbar's.
void PixelText::show(const std::string& text) {
    if (!control_ || text == shown_)
        return;
    shown_ = text;
    // As wide as the text needs (at least the first size) and one line high per line.
    const int lines = text.find('\n') == std::string::npos ? 1 : 2;
    const int width =
        std::clamp(textWidth(control_, text) + kGap, kWidth, roomRightOfButtons(control_));
    const RECT place = placeAfterButtons(GetParent(control_), width, lines);
    SetWindowPos(control_, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowTextA(control_, text.c_str());
    ShowWindow(control_, text.empty() ? SW_HIDE : SW_SHOWNA);
}

}  // namespace qm
