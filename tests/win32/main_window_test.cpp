// The main window as start-up leaves it, and how it goes away.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/win32/main_window_fixture.h"

namespace qm::test {
namespace {

using MainWindowStartTest = MainWindowTest;

TEST_F(MainWindowStartTest, IsShownInItsNormalStateAt600By528) {
    RECT outer{};
    GetWindowRect(window(), &outer);
    EXPECT_EQ(outer.right - outer.left, 600);
    EXPECT_EQ(outer.bottom - outer.top, 528);
    EXPECT_TRUE(IsWindowVisible(window()));
    EXPECT_FALSE(IsIconic(window()));
    EXPECT_FALSE(IsZoomed(window()));
    char title[32] = {};
    GetWindowTextA(window(), title, sizeof title);
    EXPECT_STREQ(title, "Quillmere");
    EXPECT_EQ(main_.paintFlags(), 0u);
}

TEST_F(MainWindowStartTest, StartsInThreeBandModeWithTheSingleBandItemOffered) {
    const HMENU menu = GetMenu(window());
    EXPECT_TRUE(GetMenuState(menu, IDM_THREE_BAND_MODE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(menu, IDM_SINGLE_BAND_MODE, MF_BYCOMMAND) &
                 (MF_GRAYED | MF_DISABLED));
    EXPECT_FALSE(GetMenuState(menu, IDM_LINK_LEVELS, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(main_.view().mode(), DisplayMode::ThreeBand);
    EXPECT_FALSE(main_.linkLevels());
    for (const LevelRange& range : main_.levels()) {
        EXPECT_EQ(range.high, 255);
        EXPECT_EQ(range.low, 0);
    }
    EXPECT_EQ(main_.view().targetWindow(), window());
}

// The quit command, the close box and the system menu all end in WM_CLOSE.
TEST_F(MainWindowStartTest, QuitCommandDestroysTheWindowAndPostsQuitWithCodeZero) {
    const HWND closed = window();
    command(IDM_QUIT);
    EXPECT_FALSE(IsWindow(closed));
    MSG quit{};
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 0u);
}

}  // namespace
}  // namespace qm::test
