// The scroll bars after every command that changes the picture, the zoom or the
// window: each page is the image area in source pixels at the zoom, each bar holds
// what the shell's copy holds, and the far end of each bar shows the picture's last
// line and last column at the image area's edge.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/control_ids.h"
#include "res/resource.h"
#include "tests/win32/product_window_fixture.h"
#include "tests/win32/window_pixels.h"

namespace qm::test {
namespace {

constexpr ProductShape kLarge{.width = 1000, .height = 900};

class ScrollBarsTest : public ProductWindowTest {
  protected:
    // Opens a product larger than the image area and shows bands 1, 2 and 3.
    void showLargeProduct() {
        open(writeProduct("LARGE", 3, kLarge));
        choose({1, 2, 3});
        command(IDM_APPLY_BAND_CHANGE);
        pumpMessages();
    }

    int areaWidth() const { return clientRect().right - 271; }
    int areaHeight() const { return clientRect().bottom - 51; }

    // Both bars against their copies, their pages against the image area.
    void expectFitted() {
        const std::int32_t zoom = main_.view().zoom();
        expectBar(control::kVerticalScrollBar, main_.verticalScroll(), areaHeight() * zoom,
                  kLarge.height, main_.view().scrollY());
        expectBar(control::kHorizontalScrollBar, main_.horizontalScroll(), areaWidth() * zoom,
                  kLarge.width, main_.view().scrollX());
    }

    void expectBar(int id, const SCROLLINFO& copy, int page, int picture, std::int32_t origin) {
        SCOPED_TRACE(id == control::kVerticalScrollBar ? "vertical" : "horizontal");
        const SCROLLINFO bar = scrollBar(id);
        EXPECT_EQ(bar.nPage, static_cast<UINT>(page));
        EXPECT_EQ(bar.nMin, 0);
        // The range covers the picture, and a page when the picture is smaller.
        EXPECT_EQ(bar.nMax, std::max(picture, page) - 1);
        EXPECT_EQ(copy.nMin, bar.nMin);
        EXPECT_EQ(copy.nMax, bar.nMax);
        EXPECT_EQ(copy.nPage, bar.nPage);
        EXPECT_EQ(copy.nPos, bar.nPos);
        EXPECT_EQ(origin, bar.nPos);
    }

    // The thumb let go at the far end of each bar.
    void scrollToTheFarEnds() {
        for (const int id : {control::kVerticalScrollBar, control::kHorizontalScrollBar}) {
            const SCROLLINFO bar = scrollBar(id);
            const int farEnd = bar.nMax - static_cast<int>(bar.nPage) + 1;
            const UINT message = id == control::kVerticalScrollBar ? WM_VSCROLL : WM_HSCROLL;
            SendMessageA(window(), message, MAKEWPARAM(SB_THUMBPOSITION, farEnd),
                         reinterpret_cast<LPARAM>(control(id)));
        }
        UpdateWindow(window());
    }

    static COLORREF pictureColour(int line, int column) {
        return RGB(pixelValue(1, line, column), pixelValue(2, line, column),
                   pixelValue(3, line, column));
    }
};

// Before each step both thumbs are at their far ends, so a page that grows takes
// the position back with it.
TEST_F(ScrollBarsTest, PagesFollowTheBandChangeEveryZoomAndTheWindowSize) {
    showLargeProduct();
    {
        SCOPED_TRACE("band change");
        expectFitted();
    }
    const struct {
        const char* what;
        int command;
    } steps[] = {
        {"zoom out", IDM_ZOOM_OUT}, {"zoom out again", IDM_ZOOM_OUT},
        {"zoom in", IDM_ZOOM_IN},   {"100%", IDM_ZOOM_ACTUAL_SIZE},
        {"fit", IDM_ZOOM_TO_FIT},   {"100% again", IDM_ZOOM_ACTUAL_SIZE},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        scrollToTheFarEnds();
        command(step.command);
        pumpMessages();
        expectFitted();
    }
    scrollToTheFarEnds();
    for (const auto& [width, height] : {std::pair{700, 500}, std::pair{1000, 700}}) {
        SCOPED_TRACE("client " + std::to_string(width) + " x " + std::to_string(height));
        setClientSize(width, height);
        ASSERT_EQ(clientRect().right, width);
        expectFitted();
    }
}

// Rows show the last line of each block of `zoom` lines and columns the first
// pixel of each block, so at the far ends the bottom row shows the last line and
// the right column the first pixel of the last block.
TEST_F(ScrollBarsTest, FarEndsShowTheLastLineAndColumnAtTheImageAreasEdge) {
    showLargeProduct();
    for (int zoom = 1; zoom <= 2; ++zoom) {
        SCOPED_TRACE("zoom " + std::to_string(zoom));
        if (zoom > 1)
            command(IDM_ZOOM_OUT);
        scrollToTheFarEnds();
        const WindowPixels shown(window());
        const int right = 256 + areaWidth() - 1;
        const int bottom = 36 + areaHeight() - 1;
        const int lastLine = kLarge.height - 1;
        const int lastColumn = kLarge.width - zoom;
        EXPECT_EQ(shown.at(right, bottom), pictureColour(lastLine, lastColumn));
        EXPECT_EQ(shown.at(256, bottom),
                  pictureColour(lastLine, kLarge.width - areaWidth() * zoom));
        EXPECT_EQ(shown.at(right, 36),
                  pictureColour(kLarge.height - areaHeight() * zoom + zoom - 1, lastColumn));
    }
}

}  // namespace
}  // namespace qm::test
