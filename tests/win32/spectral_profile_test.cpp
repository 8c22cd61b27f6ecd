// The spectral profile's tool window: every band's value at the pixel under the
// cursor, bands not shown read from their files; a click pins the pixel until the
// next click; opening another product or closing the window lets everything go.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/texts.h"
#include "res/resource.h"
#include "tests/win32/product_window_fixture.h"
#include "view/gdi/panel_layout.h"

namespace qm::test {
namespace {

class SpectralProfileTest : public ProductWindowTest {
  protected:
    POINT at(int column, int line) const {
        return {layout::kControlPanelWidth + column, layout::kToolbarHeight + line};
    }
    void moveTo(POINT point) {
        SendMessageA(window(), WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
    }
    void click(POINT point) {
        SendMessageA(window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        SendMessageA(window(), WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    }
    // The profile shows the product's four bands at the pixel.
    void expectProfileAt(int column, int line) {
        const auto& entries = main_.profile().entries();
        ASSERT_EQ(entries.size(), 4u);
        for (int b = 0; b < 4; ++b) {
            SCOPED_TRACE(b);
            ASSERT_TRUE(entries[static_cast<std::size_t>(b)].value);
            EXPECT_EQ(*entries[static_cast<std::size_t>(b)].value, pixelValue(b + 1, line, column));
        }
        EXPECT_EQ(main_.profile().pixel(), (std::pair{column, line}));
    }
};

TEST_F(SpectralProfileTest, FollowsTheCursorReadsUnshownBandsAndPinsOnAClick) {
    open(writeProduct("SCENE", 4));
    choose({2, 0, 0});
    command(IDM_SINGLE_BAND_MODE);
    choose({2, 0, 0});
    command(IDM_APPLY_BAND_CHANGE);  // only band 2 is loaded
    command(IDM_SPECTRAL_PROFILE);
    const HWND tool = main_.profile().window();
    ASSERT_NE(tool, nullptr);
    char title[64] = "";
    GetWindowTextA(tool, title, sizeof title);
    EXPECT_STREQ(title, texts::kProfileTitle);
    EXPECT_EQ(GetWindow(tool, GW_OWNER), window());

    moveTo(at(0, 0));
    expectProfileAt(0, 0);
    moveTo(at(kWidth - 1, kHeight - 1));
    expectProfileAt(kWidth - 1, kHeight - 1);
    EXPECT_EQ(main_.view().channel(0)->path(), dir_.path("SCENE/SCENE_B20.FST"));

    click(at(7, 5));
    moveTo(at(20, 10));
    expectProfileAt(7, 5);  // pinned
    click(at(20, 10));
    moveTo(at(21, 11));
    expectProfileAt(21, 11);  // following again

    open(writeProduct("OTHER", 4));
    EXPECT_TRUE(main_.profile().entries().empty());
    SendMessageA(tool, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(tool));
    EXPECT_FALSE(main_.profile().isOpen());
}

}  // namespace
}  // namespace qm::test
