// The controls WM_CREATE builds: ids, classes, places, styles and first states.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/win32/main_window_fixture.h"

namespace qm::test {
namespace {

using ControlPanelTest = MainWindowTest;

std::string classOf(HWND control) {
    char name[64] = {};
    GetClassNameA(control, name, sizeof name);
    return name;
}

struct ExpectedControl {
    int id;
    const char* className;
    RECT place;  // left, top, right, bottom in the main window's client area
    DWORD styleMask;
    DWORD style;
};

// Channel i's block starts 150 pixels below channel i - 1's.
std::vector<ExpectedControl> channelControls() {
    // Both kinds take WS_BORDER out of their own style (the combo box gives it to
    // its list; the up-down draws a border of its own).
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
    std::vector<ExpectedControl> controls;
    for (int i = 0; i < 3; ++i) {
        const int top = 36 + 150 * i;
        // A drop-down list's window is its selection field; only its top and width
        // are ours to check here.
        controls.push_back(
            {100 + i, "ComboBox", {0, top, 256, -1}, kChild | 0xF, kChild | CBS_DROPDOWNLIST});
        controls.push_back({103 + i,
                            "msctls_updown32",
                            {0, top + 125, 64, top + 150},
                            kChild | UDS_HORZ,
                            kChild | UDS_HORZ});
        controls.push_back({106 + i,
                            "msctls_updown32",
                            {192, top + 125, 256, top + 150},
                            kChild | UDS_HORZ,
                            kChild | UDS_HORZ});
    }
    return controls;
}

TEST_F(ControlPanelTest, ChannelControlsSitInTheirBlocks) {
    for (const ExpectedControl& expected : channelControls()) {
        SCOPED_TRACE("control " + std::to_string(expected.id));
        const HWND control = GetDlgItem(window(), expected.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(lstrcmpiA(classOf(control).c_str(), expected.className), 0) << classOf(control);
        const RECT place = placeOf(control);
        EXPECT_EQ(place.left, expected.place.left);
        EXPECT_EQ(place.top, expected.place.top);
        EXPECT_EQ(place.right, expected.place.right);
        if (expected.place.bottom >= 0) {
            EXPECT_EQ(place.bottom, expected.place.bottom);
        }
        const DWORD style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
        EXPECT_EQ(style & expected.styleMask, expected.style);
    }
}

TEST_F(ControlPanelTest, BandChoosersOfferOnlyDoNotDisplayAndSelectIt) {
    for (int id = 100; id <= 102; ++id) {
        SCOPED_TRACE("chooser " + std::to_string(id));
        const HWND chooser = control(id);
        ASSERT_EQ(SendMessageA(chooser, CB_GETCOUNT, 0, 0), 1);
        EXPECT_EQ(SendMessageA(chooser, CB_GETCURSEL, 0, 0), 0);
        char text[32] = {};
        SendMessageA(chooser, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
        // "表示しない" in code page 932.
        EXPECT_STREQ(text, "\x95\x5C\x8E\xA6\x82\xB5\x82\xC8\x82\xA2");
        EXPECT_EQ(SendMessageA(chooser, CB_GETDROPPEDWIDTH, 0, 0), 500);
        RECT dropped{};
        SendMessageA(chooser, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
        // Wine's rectangle leaves out the selection field's height.
        const int fieldHeight = placeOf(chooser).bottom - placeOf(chooser).top;
        const int droppedHeight = dropped.bottom - dropped.top;
        EXPECT_TRUE(droppedHeight == 150 || droppedHeight == 150 - fieldHeight) << droppedHeight;
    }
}

TEST_F(ControlPanelTest, LevelUpDownsSpanMinus100To300AtLowAndHighDefaults) {
    for (int i = 0; i < 3; ++i) {
        for (const auto& [id, position] : {std::pair{103 + i, 0}, std::pair{106 + i, 255}}) {
            SCOPED_TRACE("up-down " + std::to_string(id));
            const HWND spin = control(id);
            int low = 0;
            int high = 0;
            SendMessageA(spin, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                         reinterpret_cast<LPARAM>(&high));
            EXPECT_EQ(low, -100);
            EXPECT_EQ(high, 300);
            EXPECT_EQ(SendMessageA(spin, UDM_GETPOS32, 0, 0), position);
            EXPECT_EQ(SendMessageA(spin, UDM_GETBUDDY, 0, 0), 0);
        }
    }
}

struct ExpectedButton {
    int image;
    int command;
    BYTE style;
};

TEST_F(ControlPanelTest, ToolbarHoldsSixButtonsInTwoSeparatedGroupsAboveY36) {
    const HWND toolbar = control(109);
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(lstrcmpiA(classOf(toolbar).c_str(), "ToolbarWindow32"), 0);
    const ExpectedButton expected[] = {
        {0, IDM_OPEN, TBSTYLE_BUTTON},
        {1, IDM_SAVE_AS, TBSTYLE_BUTTON},
        {0, 0, TBSTYLE_SEP},
        {2, IDM_APPLY_BAND_CHANGE, TBSTYLE_BUTTON},
        {3, IDM_APPLY_INPUT_LEVELS, TBSTYLE_BUTTON},
        {0, 0, TBSTYLE_SEP},
        {4, IDM_ZOOM_IN, TBSTYLE_BUTTON},
        {5, IDM_ZOOM_OUT, TBSTYLE_BUTTON},
    };
    ASSERT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), 8);
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE("position " + std::to_string(i));
        TBBUTTON button{};
        ASSERT_TRUE(SendMessageA(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button)));
        EXPECT_EQ(button.fsStyle, expected[i].style);
        EXPECT_EQ(button.idCommand, expected[i].command);
        EXPECT_TRUE(button.fsState & TBSTATE_ENABLED);
        if (expected[i].style == TBSTYLE_BUTTON) {
            EXPECT_EQ(button.iBitmap, expected[i].image);
        }
    }

    // Six 24 x 24 pictures from the toolbar bitmap, and tooltips.
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessageA(toolbar, TB_GETIMAGELIST, 0, 0));
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(images), 6);
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(images, &width, &height);
    EXPECT_EQ(width, 24);
    EXPECT_EQ(height, 24);
    EXPECT_NE(SendMessageA(toolbar, TB_GETTOOLTIPS, 0, 0), 0);
    EXPECT_TRUE(GetWindowLongA(toolbar, GWL_STYLE) & TBSTYLE_TOOLTIPS);

    const RECT place = placeOf(toolbar);
    EXPECT_EQ(place.left, 0);
    EXPECT_EQ(place.top, 0);
    EXPECT_EQ(place.right, clientRect().right);
    EXPECT_LE(place.bottom, 36);
}

// Until a band is shown neither bar has anything to scroll: its range is one page,
// the image area's extent, and it looks disabled. WM_SIZE puts them along the area.
TEST_F(ControlPanelTest, ScrollBarsAreEmptyAndBorderTheImageArea) {
    const RECT client = clientRect();
    struct Bar {
        int id;
        DWORD orientation;
        RECT place;
    };
    const Bar bars[] = {
        {110, SBS_VERT, {client.right - 15, 36, client.right, client.bottom - 15}},
        {111, SBS_HORZ, {256, client.bottom - 15, client.right - 15, client.bottom}},
    };
    for (const Bar& bar : bars) {
        SCOPED_TRACE("scroll bar " + std::to_string(bar.id));
        const HWND control = GetDlgItem(window(), bar.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(lstrcmpiA(classOf(control).c_str(), "ScrollBar"), 0);
        const DWORD style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
        const DWORD mask = WS_CHILD | WS_VISIBLE | WS_BORDER | SBS_VERT;
        EXPECT_EQ(style & mask, WS_CHILD | WS_VISIBLE | WS_BORDER | bar.orientation);
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        ASSERT_TRUE(GetScrollInfo(control, SB_CTL, &info));
        EXPECT_EQ(info.nMin, 0);
        const bool vertical = bar.orientation == SBS_VERT;
        const int page = vertical ? client.bottom - 51 : client.right - 271;
        EXPECT_EQ(info.nMax, page - 1);
        EXPECT_EQ(info.nPage, static_cast<UINT>(page));
        EXPECT_EQ(info.nPos, 0);
        SCROLLBARINFO look{};
        look.cbSize = sizeof look;
        ASSERT_TRUE(GetScrollBarInfo(control, OBJID_CLIENT, &look));
        EXPECT_TRUE(look.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) << "not disabled";
        const RECT place = placeOf(control);
        EXPECT_EQ(place.left, bar.place.left);
        EXPECT_EQ(place.top, bar.place.top);
        EXPECT_EQ(place.right, bar.place.right);
        EXPECT_EQ(place.bottom, bar.place.bottom);
    }
}

}  // namespace
}  // namespace qm::test
