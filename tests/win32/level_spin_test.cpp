// WM_NOTIFY: level up-down clicks move the shell's level pairs within -100..300,
// keep high above low and ask for a panels-only paint; tooltips name their strings.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "res/resource.h"
#include "tests/win32/main_window_fixture.h"

namespace qm::test {
namespace {

using LevelSpinTest = MainWindowTest;

struct SpinCase {
    const char* what;
    int id;
    LevelRange start;  // high, low of the clicked control's channel
    int delta;
    LevelRange expected;
    bool panelsOnly;
};

TEST_F(LevelSpinTest, ClicksClampToTheLimitsAndKeepHighAboveLow) {
    const SpinCase cases[] = {
        {"low of channel 0 up", 103, {255, 0}, 1, {255, 1}, true},
        {"high of channel 1 down", 107, {255, 0}, -1, {254, 0}, true},
        {"low of channel 2 by several", 105, {255, 0}, -7, {255, -7}, true},
        {"high down onto low", 106, {51, 50}, -1, {51, 50}, true},
        {"low up onto high", 104, {51, 50}, 1, {51, 50}, true},
        {"high past 300", 108, {300, 0}, 1, {300, 0}, true},
        {"low past -100", 105, {255, -100}, -1, {255, -100}, true},
        {"low under high at the top", 103, {300, 299}, 1, {300, 299}, true},
        {"low far up: clamped, then below high", 103, {255, 0}, 1000, {255, 254}, true},
        {"high far down: clamped, then above low", 106, {255, 0}, -1000, {1, 0}, true},
        {"a band chooser is no level control", 102, {200, 10}, 5, {200, 10}, false},
        {"nor is the toolbar", 109, {200, 10}, 5, {200, 10}, false},
    };
    for (const SpinCase& c : cases) {
        SCOPED_TRACE(c.what);
        // Ids 103..105 are the low controls of channels 0..2, 106..108 the high ones;
        // any other id leaves every pair alone, so its start goes on channel 0.
        const bool levelControl = c.id >= 103 && c.id <= 108;
        const int channel = !levelControl ? 0 : c.id >= 106 ? c.id - 106 : c.id - 103;
        main_.levels() = ChannelLevels{};
        main_.levels()[channel] = c.start;
        UpdateWindow(window());
        ASSERT_EQ(main_.paintFlags(), 0u);

        clickSpin(c.id, c.delta);

        for (int k = 0; k < 3; ++k) {
            const LevelRange expected = k == channel ? c.expected : LevelRange{};
            EXPECT_EQ(main_.levels()[k].high, expected.high) << "channel " << k;
            EXPECT_EQ(main_.levels()[k].low, expected.low) << "channel " << k;
        }
        EXPECT_EQ(main_.paintFlags(), c.panelsOnly ? MainWindow::kPanelsOnly : 0u);
    }
}

// A real press on the up-down's left half: the control reports it to the window.
TEST_F(LevelSpinTest, PressingTheHighUpDownsLeftHalfLowersHigh) {
    const HWND spin = control(106);
    SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 12));
    SendMessageA(spin, WM_LBUTTONUP, 0, MAKELPARAM(10, 12));
    EXPECT_EQ(main_.levels()[0].high, 254);
    EXPECT_EQ(main_.levels()[0].low, 0);
    EXPECT_EQ(main_.paintFlags(), MainWindow::kPanelsOnly);
}

// The image is not redrawn after a click, so only the control panel below the
// toolbar waits to be painted.
TEST_F(LevelSpinTest, AClickInvalidatesTheControlPanelAlone) {
    UpdateWindow(window());
    clickSpin(104, 1);
    RECT waiting{};
    ASSERT_TRUE(GetUpdateRect(window(), &waiting, FALSE));
    EXPECT_EQ(waiting.left, 0);
    EXPECT_EQ(waiting.top, 36);
    EXPECT_EQ(waiting.right, 256);
    EXPECT_EQ(waiting.bottom, clientRect().bottom);
}

struct TooltipCase {
    int command;
    UINT stringId;
    const char* text;
};

TEST_F(LevelSpinTest, ToolbarTooltipsNameTheirStrings) {
    const TooltipCase cases[] = {
        {IDM_OPEN, 1, "CD-ROMを開く"},
        {IDM_SAVE_AS, 2, "名前を付けて保存"},
        {IDM_APPLY_BAND_CHANGE, 3, "バンド変更の適応"},
        {IDM_APPLY_INPUT_LEVELS, 40014, "入力レベルの適応."},
        {IDM_ZOOM_IN, 40015, "拡大"},
        {IDM_ZOOM_OUT, 40016, "縮小"},
    };
    for (const TooltipCase& c : cases) {
        SCOPED_TRACE("command " + std::to_string(c.command));
        NMTTDISPINFOA request{};
        request.hdr.hwndFrom =
            reinterpret_cast<HWND>(SendMessageA(control(109), TB_GETTOOLTIPS, 0, 0));
        request.hdr.idFrom = static_cast<UINT_PTR>(c.command);
        request.hdr.code = TTN_NEEDTEXTA;
        SendMessageA(window(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));

        EXPECT_EQ(request.hinst, GetModuleHandleA(nullptr));
        EXPECT_EQ(reinterpret_cast<UINT_PTR>(request.lpszText), c.stringId);
        char text[80] = {};
        LoadStringA(request.hinst, c.stringId, text, sizeof text);
        EXPECT_STREQ(text, c.text);
    }
}

TEST_F(LevelSpinTest, TooltipRequestForAnotherCommandIsLeftAlone) {
    char untouched[] = "as it came";
    NMTTDISPINFOA request{};
    request.hdr.idFrom = IDM_QUIT;
    request.hdr.code = TTN_NEEDTEXTA;
    request.lpszText = untouched;
    SendMessageA(window(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    EXPECT_EQ(request.lpszText, untouched);
    EXPECT_EQ(request.hinst, nullptr);
}

}  // namespace
}  // namespace qm::test
