// The toolbar's pixel text: at the corners of what the image area shows, at zoom 1
// and 3 with a scrolled origin, it names the pixel drawn under the cursor and the
// band values that the product's files hold there, which are also the colour on
// screen (the levels are 0 to 255). Elsewhere it is empty.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <utility>

#include "app/control_ids.h"
#include "res/resource.h"
#include "tests/win32/product_window_fixture.h"
#include "tests/win32/window_pixels.h"
#include "view/gdi/panel_layout.h"

namespace qm::test {
namespace {

constexpr int kLeft = layout::kControlPanelWidth;
constexpr int kTop = layout::kToolbarHeight;
// A product larger than the image area at zoom 1 and at zoom 3.
constexpr ProductShape kShape{.width = 150, .height = 120, .extraBytes = 0, .headerLines = {}};
constexpr int kAreaWidth = 40;
constexpr int kAreaHeight = 30;

struct Readout {
    int column = -1;
    int line = -1;
    int red = -1;
    int green = -1;
    int blue = -1;
};

class PixelTextTest : public ProductWindowTest {
  protected:
    void showProduct() {
        open(writeProduct("SCENE", 3, kShape));
        choose({1, 2, 3});
        command(IDM_APPLY_BAND_CHANGE);
        pumpMessages();
    }

    // The text as the user sees it: a hidden control's text does not count.
    std::string text() const {
        const HWND pixelText = GetDlgItem(control(control::kToolbar), control::kPixelText);
        char buffer[256] = {};
        GetWindowTextA(pixelText, buffer, sizeof buffer);
        const std::string shown = buffer;
        return IsWindowVisible(pixelText) || shown.empty() ? shown : "(hidden) " + shown;
    }

    // The cursor put at the client point, as the user moves it there.
    std::string textAt(int x, int y) {
        POINT screen{x, y};
        ClientToScreen(window(), &screen);
        SetCursorPos(screen.x, screen.y);
        SendMessageA(window(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        return text();
    }

    void useSmallArea() {
        setClientSize(layout::kControlPanelWidth + layout::kScrollBarThickness + kAreaWidth,
                      layout::kToolbarHeight + layout::kScrollBarThickness + kAreaHeight);
    }

    // Each thumb dragged to its end: the picture's last line and column meet the
    // image area's edges.
    void scrollToEnd() {
        for (const auto& [message, id] : {std::pair{WM_HSCROLL, 111}, std::pair{WM_VSCROLL, 110}}) {
            const SCROLLINFO bar = scrollBar(id);
            const int end = bar.nMax + 1 - static_cast<int>(bar.nPage);
            SendMessageA(window(), message, MAKEWPARAM(SB_THUMBPOSITION, end),
                         reinterpret_cast<LPARAM>(control(id)));
        }
        repaint();
    }

    // The readout at a point of the image area, checked against the product's
    // values and the colour drawn there.
    Readout checkedReadout(int areaX, int areaY) {
        return checked(textAt(kLeft + areaX, kTop + areaY), areaX, areaY);
    }

    Readout checked(const std::string& shown, int areaX, int areaY) {
        Readout r;
        EXPECT_EQ(std::sscanf(shown.c_str(), "X %d  Y %d  R %d G %d B %d", &r.column, &r.line,
                              &r.red, &r.green, &r.blue),
                  5)
            << shown;
        EXPECT_EQ(r.red, pixelValue(1, r.line, r.column)) << shown;
        EXPECT_EQ(r.green, pixelValue(2, r.line, r.column)) << shown;
        EXPECT_EQ(r.blue, pixelValue(3, r.line, r.column)) << shown;
        const WindowPixels screen(window());
        EXPECT_EQ(screen.at(kLeft + areaX, kTop + areaY), RGB(r.red, r.green, r.blue)) << shown;
        return r;
    }
};

TEST_F(PixelTextTest, CornersOfAScrolledPictureNameTheirPixels) {
    showProduct();
    useSmallArea();
    for (const int zoom : {1, 3}) {
        SCOPED_TRACE("zoom " + std::to_string(zoom));
        command(IDM_ZOOM_ACTUAL_SIZE);
        for (int step = 1; step < zoom; ++step)
            command(IDM_ZOOM_OUT);
        scrollToEnd();
        const int originX = main_.view().scrollX();
        const int originY = main_.view().scrollY();
        ASSERT_GT(originX, 0);
        ASSERT_GT(originY, 0);

        const Readout topLeft = checkedReadout(0, 0);
        const Readout topRight = checkedReadout(kAreaWidth - 1, 0);
        const Readout bottomLeft = checkedReadout(0, kAreaHeight - 1);
        const Readout bottomRight = checkedReadout(kAreaWidth - 1, kAreaHeight - 1);
        // Display row 0 shows the last line of its first zoom x zoom block.
        EXPECT_EQ(topLeft.column, originX);
        EXPECT_EQ(topLeft.line, originY + zoom - 1);
        EXPECT_EQ(topRight.column, originX + (kAreaWidth - 1) * zoom);
        EXPECT_EQ(topRight.line, topLeft.line);
        EXPECT_EQ(bottomLeft.column, originX);
        EXPECT_EQ(bottomLeft.line, topLeft.line + (kAreaHeight - 1) * zoom);
        EXPECT_EQ(bottomRight.column, topRight.column);
        EXPECT_EQ(bottomRight.line, bottomLeft.line);
        if (zoom == 1) {
            EXPECT_EQ(bottomRight.column, kShape.width - 1);
            EXPECT_EQ(bottomRight.line, kShape.height - 1);
        }

        // Just outside the image area: the scroll bars and the control panel.
        EXPECT_EQ(textAt(kLeft + kAreaWidth, kTop), "");
        EXPECT_EQ(textAt(kLeft, kTop + kAreaHeight), "");
        EXPECT_EQ(textAt(kLeft - 1, kTop), "");
        EXPECT_EQ(textAt(kLeft, kTop - 1), "");
    }
}

// Magnified, each source pixel is an m x m block; at the bars' far end the last
// whole block ends where the picture does, and a block the area's edge cuts shows
// the black beyond the picture and no text.
TEST_F(PixelTextTest, CornersOfAMagnifiedScrolledPictureNameTheirPixels) {
    showProduct();
    useSmallArea();
    for (const int m : {2, 4}) {
        SCOPED_TRACE("magnified " + std::to_string(m));
        command(IDM_ZOOM_ACTUAL_SIZE);
        for (int factor = 1; factor < m; factor *= 2)
            command(IDM_ZOOM_IN);
        ASSERT_EQ(main_.view().magnification(), m);
        scrollToEnd();
        const int originX = main_.view().scrollX();
        const int originY = main_.view().scrollY();
        const int wholeColumns = kAreaWidth / m;
        const int wholeRows = kAreaHeight / m;

        const Readout topLeft = checkedReadout(0, 0);
        EXPECT_EQ(topLeft.column, originX);
        EXPECT_EQ(topLeft.line, originY);
        const Readout blockEnd = checkedReadout(m - 1, m - 1);
        EXPECT_EQ(blockEnd.column, originX);
        EXPECT_EQ(blockEnd.line, originY);
        const Readout last = checkedReadout(wholeColumns * m - 1, wholeRows * m - 1);
        EXPECT_EQ(last.column, kShape.width - 1);
        EXPECT_EQ(last.line, kShape.height - 1);
        if (wholeRows * m < kAreaHeight) {
            EXPECT_EQ(textAt(kLeft, kTop + wholeRows * m), "");
        }
    }
}

// Ctrl and the wheel zoom about the cursor: the source pixel under it stays under
// it at every step, in and out, through 1:1.
TEST_F(PixelTextTest, CtrlWheelKeepsThePixelUnderTheCursor) {
    showProduct();
    useSmallArea();
    for (const auto& [message, id, position] :
         {std::tuple{WM_HSCROLL, 111, 50}, std::tuple{WM_VSCROLL, 110, 40}})
        SendMessageA(window(), message, MAKEWPARAM(SB_THUMBPOSITION, position),
                     reinterpret_cast<LPARAM>(control(id)));
    repaint();
    const POINT cursor{kLeft + 20, kTop + 15};
    const Readout under = checkedReadout(20, 15);
    ASSERT_EQ(under.column, 70);
    ASSERT_EQ(under.line, 55);
    POINT screen = cursor;
    ClientToScreen(window(), &screen);
    // Four notches in (2x to 16x), six out (back to 1:1, then subsampling 2 and 3).
    for (const int delta : {120, 120, 120, 120, -120, -120, -120, -120, -120, -120}) {
        SCOPED_TRACE(testing::Message() << "magnified " << main_.view().magnification()
                                        << ", subsampled " << main_.view().zoom());
        SendMessageA(window(), WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, delta),
                     MAKELPARAM(screen.x, screen.y));
        repaint();
        const Readout after = checkedReadout(20, 15);
        EXPECT_EQ(after.column, under.column);
        EXPECT_EQ(after.line, under.line);
    }
    EXPECT_EQ(main_.view().zoom(), 3);
}

// At zoom 3 the whole picture fits the default window: right of and below it the
// image area is black, and the text is empty there.
TEST_F(PixelTextTest, TheTextEndsWhereThePictureEnds) {
    showProduct();
    command(IDM_ZOOM_OUT);
    command(IDM_ZOOM_OUT);
    repaint();
    const int lastColumn = (kShape.width - 1) / 3;
    const int lastRow = kShape.height / 3 - 1;
    ASSERT_LT(lastColumn + 1, layout::imageAreaWidth(clientRect().right));
    ASSERT_LT(lastRow + 1, layout::imageAreaHeight(clientRect().bottom));

    const Readout corner = checkedReadout(lastColumn, lastRow);
    EXPECT_EQ(corner.column, 3 * lastColumn);
    EXPECT_EQ(corner.line, kShape.height - 1);
    EXPECT_EQ(textAt(kLeft + lastColumn + 1, kTop), "");
    EXPECT_EQ(textAt(kLeft, kTop + lastRow + 1), "");
}

// The cursor stays still while the picture moves under it, or goes away.
TEST_F(PixelTextTest, TheTextFollowsTheViewUnderAStillCursor) {
    showProduct();
    useSmallArea();
    const Readout before = checkedReadout(5, 5);
    SendMessageA(window(), WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(control(110)));
    SendMessageA(window(), WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(control(111)));
    pumpMessages();
    const Readout after = checked(text(), 5, 5);
    EXPECT_EQ(after.column, before.column + 1);
    EXPECT_EQ(after.line, before.line + 1);

    command(IDM_SINGLE_BAND_MODE);
    pumpMessages();
    EXPECT_EQ(text(), "") << "no picture is shown";
}

TEST_F(PixelTextTest, LeavingTheWindowEmptiesTheText) {
    showProduct();
    ASSERT_NE(textAt(kLeft + 3, kTop + 3), "");
    RECT outer{};
    GetWindowRect(window(), &outer);
    SetCursorPos(outer.right + 20, outer.bottom + 20);
    for (int wait = 0; wait < 150 && !text().empty(); ++wait) {
        Sleep(20);
        pumpMessages();
    }
    EXPECT_EQ(text(), "");
}

}  // namespace
}  // namespace qm::test
