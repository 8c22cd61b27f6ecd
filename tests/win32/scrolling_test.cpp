// WM_HSCROLL, WM_VSCROLL and WM_SIZE: scroll positions by request code, the view's
// origin, and the pages the image area gives at the current zoom.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "app/scroll_step.h"
#include "tests/win32/main_window_fixture.h"

namespace qm::test {
namespace {

using ScrollingTest = MainWindowTest;

struct ScrollCase {
    const char* what;
    WORD code;
    WORD thumb;
    int start;
    int expected;
};

// Range 0 to 1000, page 400.
const ScrollCase kScrollCases[] = {
    {"line back", SB_LINEUP, 0, 5, 4},
    {"line back at 0", SB_LINEUP, 0, 0, 0},
    {"line on", SB_LINEDOWN, 0, 990, 991},
    {"line on stops at nMax - 9", SB_LINEDOWN, 0, 991, 991},
    {"page back is not limited", SB_PAGEUP, 0, 10, -390},
    {"page on is not limited", SB_PAGEDOWN, 0, 900, 1300},
    {"thumb released", SB_THUMBPOSITION, 777, 5, 777},
    {"thumb position is unsigned", SB_THUMBPOSITION, 65535, 5, 65535},
    {"thumb dragged", SB_THUMBTRACK, 777, 5, 5},
    {"to the start", SB_TOP, 0, 500, 0},
    {"to the end", SB_BOTTOM, 0, 5, 1000},
    {"end of scrolling", SB_ENDSCROLL, 0, 5, 5},
};

class ScrollDirection {
  public:
    ScrollDirection(bool horizontal) : horizontal_(horizontal) {}
    UINT message() const { return horizontal_ ? WM_HSCROLL : WM_VSCROLL; }
    int barId() const { return horizontal_ ? 111 : 110; }
    SCROLLINFO& state(MainWindow& main) const {
        return horizontal_ ? main.horizontalScroll() : main.verticalScroll();
    }
    std::int32_t origin(const ImageView& view) const {
        return horizontal_ ? view.scrollX() : view.scrollY();
    }
    std::int32_t otherOrigin(const ImageView& view) const {
        return horizontal_ ? view.scrollY() : view.scrollX();
    }
    const char* name() const { return horizontal_ ? "horizontal" : "vertical"; }

  private:
    bool horizontal_;
};

// A picture longer than the message's 16 bits takes the thumb's place from the bar,
// not folded back onto its start; shorter ones keep the message's place.
TEST(ScrollStepTest, ThumbPastSixteenBitsComesFromTheBar) {
    SCROLLINFO state{};
    state.nPage = 400;
    for (const auto& [last, expected] : {std::pair{70000, 70000}, std::pair{65535, 4464}}) {
        state.nMax = last;
        EXPECT_EQ(scrolledPosition(state, MAKEWPARAM(SB_THUMBPOSITION, 70000 & 0xFFFF), 70000),
                  expected);
    }
}

TEST_F(ScrollingTest, RequestCodesMoveThePositionAndTheViewOrigin) {
    for (const bool horizontal : {true, false}) {
        const ScrollDirection direction(horizontal);
        const HWND bar = control(direction.barId());
        for (const ScrollCase& c : kScrollCases) {
            SCOPED_TRACE(std::string(direction.name()) + ": " + c.what);
            SCROLLINFO& state = direction.state(main_);
            state.nMin = 0;
            state.nMax = 1000;
            state.nPage = 400;
            state.nPos = c.start;
            main_.view().setOrigin(3, 3);

            SendMessageA(window(), direction.message(), MAKEWPARAM(c.code, c.thumb),
                         reinterpret_cast<LPARAM>(bar));

            EXPECT_EQ(state.nPos, c.expected);
            EXPECT_EQ(state.fMask, static_cast<UINT>(SIF_RANGE | SIF_POS));
            // A negative position leaves the origin where it was.
            EXPECT_EQ(direction.origin(main_.view()), c.expected >= 0 ? c.expected : 3);
            EXPECT_EQ(direction.otherOrigin(main_.view()), 3);
        }
    }
}

// The bar limits what it shows to its range; the shell keeps the position it got.
TEST_F(ScrollingTest, BarShowsAPositionBeforeTheRangeAsZero) {
    SCROLLINFO& state = main_.horizontalScroll();
    state.nMax = 1000;
    state.nPage = 400;
    state.nPos = 10;
    SendMessageA(window(), WM_HSCROLL, SB_PAGELEFT, reinterpret_cast<LPARAM>(control(111)));
    EXPECT_EQ(state.nPos, -390);
    EXPECT_EQ(GetScrollPos(control(111), SB_CTL), 0);
    SCROLLINFO range{};
    range.cbSize = sizeof range;
    range.fMask = SIF_RANGE;
    GetScrollInfo(control(111), SB_CTL, &range);
    EXPECT_EQ(range.nMax, 1000);
}

// The level up-downs are horizontal and report to the window with WM_HSCROLL too.
TEST_F(ScrollingTest, OnlyScrollBarsScrollHorizontally) {
    SCROLLINFO& state = main_.horizontalScroll();
    state.nMax = 1000;
    state.nPos = 10;
    main_.view().setOrigin(7, 7);
    SendMessageA(window(), WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(control(103)));
    EXPECT_EQ(state.nPos, 10);
    EXPECT_EQ(main_.view().scrollX(), 7);

    // Either bar's message scrolls horizontally; vertical scrolls come from anyone.
    SendMessageA(window(), WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(control(110)));
    EXPECT_EQ(state.nPos, 11);
    EXPECT_EQ(main_.view().scrollX(), 11);
    main_.verticalScroll().nMax = 1000;
    SendMessageA(window(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(main_.view().scrollY(), 1);
}

TEST_F(ScrollingTest, ResizeSetsPagesFromTheImageAreaAtTheCurrentZoom) {
    main_.view().setZoom(4);
    setClientSize(856, 551);
    ASSERT_EQ(clientRect().right, 856);
    ASSERT_EQ(clientRect().bottom, 551);
    EXPECT_EQ(main_.horizontalScroll().nPage, 2340u);
    EXPECT_EQ(main_.verticalScroll().nPage, 2000u);

    const RECT vertical = placeOf(control(110));
    EXPECT_EQ(vertical.left, 841);
    EXPECT_EQ(vertical.top, 36);
    EXPECT_EQ(vertical.bottom, 536);
    const RECT horizontal = placeOf(control(111));
    EXPECT_EQ(horizontal.left, 256);
    EXPECT_EQ(horizontal.top, 536);
    EXPECT_EQ(horizontal.right, 841);

    // A client area smaller than the margins (as when minimised) leaves no page.
    setClientSize(200, 40);
    EXPECT_EQ(main_.horizontalScroll().nPage, 0u);
    EXPECT_EQ(main_.verticalScroll().nPage, 0u);
}

}  // namespace
}  // namespace qm::test
