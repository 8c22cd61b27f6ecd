// What a paint puts on screen, read back from the window: the histogram panels with
// their bars, level markers and texts, and the display image right of them.
#include <gtest/gtest.h>

#include <string>

#include "band/histogram.h"
#include "res/resource.h"
#include "tests/win32/main_window_fixture.h"
#include "tests/win32/window_pixels.h"

namespace qm::test {
namespace {

constexpr COLORREF kGrey = RGB(230, 230, 230);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// The drop-down list's field covers the first row of each histogram area, so the
// checks start one row lower.
int areaTop(int channel) {
    return 62 + 150 * channel;
}
int areaBottom(int channel) {
    return 161 + 150 * channel;
}

std::uint8_t redRule(int line, int column) {
    return static_cast<std::uint8_t>(10 * line + column);
}
std::uint8_t greenRule(int line, int column) {
    return static_cast<std::uint8_t>(200 - 7 * line - 3 * column);
}

using PanelsPaintTest = MainWindowTest;

TEST_F(PanelsPaintTest, ThreeGreyAreasWithMarkersAtTheDefaultLevels) {
    const WindowPixels shown(window());
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE("channel " + std::to_string(i));
        EXPECT_TRUE(shown.allOf(kGrey, 1, areaTop(i), 255, areaBottom(i)));
        EXPECT_TRUE(shown.allOf(kBlack, 0, areaTop(i), 1, areaBottom(i))) << "low marker";
        EXPECT_TRUE(shown.allOf(kBlack, 255, areaTop(i), 256, areaBottom(i))) << "high marker";
        // The level text box: white, with the text in black.
        const int boxTop = 161 + 150 * i;
        EXPECT_EQ(shown.at(64, boxTop), kWhite);
        EXPECT_EQ(shown.at(191, boxTop + 1), kWhite);
        EXPECT_GT(shown.countOf(kBlack, 64, boxTop, 192, boxTop + 25), 10);
    }
}

struct MarkerCase {
    int level;
    bool marked;
};

// Only levels on the histogram's 0..255 get a marker line.
TEST_F(PanelsPaintTest, MarkersOnlyForLevelsFrom0To255) {
    const MarkerCase cases[] = {{-100, false}, {-1, false},  {0, true},   {77, true},
                                {255, true},   {256, false}, {300, false}};
    for (const MarkerCase& c : cases) {
        SCOPED_TRACE("level " + std::to_string(c.level));
        main_.levels()[1] = {c.level, -100};
        repaint();
        const WindowPixels shown(window());
        const int onArea = shown.countOf(kBlack, 0, areaTop(1), 256, areaBottom(1));
        EXPECT_EQ(onArea, c.marked ? areaBottom(1) - areaTop(1) : 0);
        EXPECT_EQ(shown.countOf(kBlack, 256, areaTop(1), 257, areaBottom(1)), 0)
            << "a marker right of the histogram";
        if (c.marked) {
            EXPECT_TRUE(shown.allOf(kBlack, c.level, areaTop(1), c.level + 1, areaBottom(1)));
        }
    }
}

// An up-down click redraws the panels: the marker moves and the text changes.
TEST_F(PanelsPaintTest, LevelClickMovesTheMarkerAndRewritesTheText) {
    const WindowPixels before(window());
    clickSpin(104, 5);
    UpdateWindow(window());
    const WindowPixels after(window());
    EXPECT_TRUE(after.allOf(kBlack, 5, areaTop(1), 6, areaBottom(1)));
    EXPECT_TRUE(after.allOf(kGrey, 0, areaTop(1), 1, areaBottom(1)));
    int changed = 0;
    for (int y = 311; y < 336; ++y) {
        for (int x = 64; x < 192; ++x)
            changed += before.at(x, y) != after.at(x, y);
    }
    EXPECT_GT(changed, 0) << "the level text of channel 1 stayed as it was";
    EXPECT_TRUE(after.allOf(kBlack, 0, areaTop(0), 1, areaBottom(0))) << "channel 0 untouched";
}

// Bars stand on the row below the grey area, in the channel's colour. They are
// placed over the text box, where no up-down covers that row.
TEST_F(PanelsPaintTest, BarsOfKnownHeightInTheChannelColours) {
    BandImage* red = makeBand("R.FST", 8, 6, redRule);
    BandImage* green = makeBand("G.FST", 8, 6, greenRule);
    BandImage* blue = makeBand("B.FST", 8, 6, redRule);
    show(IDM_THREE_BAND_MODE, red, green, blue);
    const struct {
        BandImage* band;
        int level;
        int height;
        COLORREF colour;
    } bars[] = {{red, 77, 100, kRed}, {green, 150, 30, kGreen}, {blue, 100, 1, kBlue}};
    for (const auto& bar : bars) {
        Histogram& histogram = *bar.band->histogram();
        histogram.heights.fill(0);
        histogram.heights[bar.level] = bar.height;
    }
    // The high marker is drawn over the bars.
    red->histogram()->heights[255] = 50;
    repaint();
    const WindowPixels shown(window());
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE("channel " + std::to_string(i));
        const int x = bars[i].level;
        const int base = 161 + 150 * i;
        EXPECT_TRUE(shown.allOf(bars[i].colour, x, base + 1 - bars[i].height, x + 1, base + 1));
        EXPECT_NE(shown.at(x, base - bars[i].height), bars[i].colour);
        EXPECT_EQ(shown.countOf(bars[i].colour, 64, areaTop(i), 192, base), bars[i].height - 1);
    }
    EXPECT_TRUE(shown.allOf(kBlack, 255, areaTop(0), 256, areaBottom(0)));
}

// Zoom 1, origin (0, 0): the picture's top line at the image area's top; black right
// of and below it. Channel 2 has no band, so no blue.
TEST_F(PanelsPaintTest, ImageIsComposedRightOfThePanelsBelowTheToolbar) {
    show(IDM_THREE_BAND_MODE, makeBand("R.FST", 8, 6, redRule), makeBand("G.FST", 8, 6, greenRule),
         nullptr);
    const WindowPixels shown(window());
    for (int line = 0; line < 6; ++line) {
        for (int column = 0; column < 8; ++column) {
            EXPECT_EQ(shown.at(256 + column, 36 + line),
                      RGB(redRule(line, column), greenRule(line, column), 0))
                << "line " << line << ", column " << column;
        }
    }
    const RECT client = clientRect();
    EXPECT_TRUE(shown.allOf(kBlack, 264, 36, client.right - 15, 42)) << "right of the picture";
    EXPECT_TRUE(shown.allOf(kBlack, 256, 42, client.right - 15, client.bottom - 15))
        << "below the picture";
}

// In single-band mode the one band is grey and only channel 0's panel is drawn.
TEST_F(PanelsPaintTest, SingleBandModeShowsOnePanelAndAGreyImage) {
    show(IDM_SINGLE_BAND_MODE, makeBand("R.FST", 8, 6, redRule), nullptr, nullptr);
    const WindowPixels shown(window());
    EXPECT_TRUE(shown.allOf(kGrey, 100, areaTop(0), 255, areaBottom(0))) << "no bars there";
    EXPECT_TRUE(shown.allOf(kWhite, 1, 212, 255, 460)) << "channels 1 and 2 have no panel";
    for (int column = 0; column < 8; ++column) {
        const std::uint8_t grey = redRule(2, column);
        EXPECT_EQ(shown.at(256 + column, 38), RGB(grey, grey, grey)) << "column " << column;
    }
}

// A level click repaints the panels only: levels that changed in the band since the
// last full paint reach the image only with the next full paint.
TEST_F(PanelsPaintTest, LevelClickDoesNotRecomposeTheImage) {
    show(IDM_THREE_BAND_MODE, makeBand("R.FST", 8, 6, redRule), nullptr, nullptr);
    const COLORREF before = WindowPixels(window()).at(256 + 5, 36 + 4);
    ASSERT_EQ(before, RGB(45, 0, 0));
    main_.view().applyLevels(ChannelLevels{{{90, 0}, {255, 0}, {255, 0}}});

    clickSpin(103, 1);
    UpdateWindow(window());
    EXPECT_EQ(WindowPixels(window()).at(256 + 5, 36 + 4), before);
    EXPECT_EQ(main_.paintFlags(), 0u);

    repaint();
    EXPECT_EQ(WindowPixels(window()).at(256 + 5, 36 + 4), RGB(127, 0, 0));
}

// Scrolling moves the picture: the released thumb sets the origin, the dragged one
// does not; an origin past the picture shows black.
TEST_F(PanelsPaintTest, ScrollMovesTheImage) {
    show(IDM_THREE_BAND_MODE, makeBand("R.FST", 8, 6, redRule), nullptr, nullptr);
    const LPARAM bar = reinterpret_cast<LPARAM>(control(111));
    main_.horizontalScroll().nMax = 8;
    SendMessageA(window(), WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 3), bar);
    UpdateWindow(window());
    EXPECT_EQ(WindowPixels(window()).at(257, 37), RGB(redRule(1, 1), 0, 0));
    SendMessageA(window(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 3), bar);
    UpdateWindow(window());
    EXPECT_EQ(WindowPixels(window()).at(257, 37), RGB(redRule(1, 4), 0, 0));

    SendMessageA(window(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 60000), 0);
    UpdateWindow(window());
    EXPECT_TRUE(WindowPixels(window()).allOf(kBlack, 256, 36, 270, 50));
}

}  // namespace
}  // namespace qm::test
