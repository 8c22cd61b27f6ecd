// The mouse on the picture: the wheel scrolls by the system's lines (or pages) a
// notch, sideways with Shift or tilted, and zooms with Ctrl; the left button drags
// the picture by the mouse's distance times the zoom; a hand while dragging.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app/message_step.h"
#include "res/resource.h"
#include "tests/win32/picture_fixture.h"

namespace qm::test {
namespace {

// The system's wheel settings for the life of a test; the earlier ones come back.
class WheelSettings {
  public:
    WheelSettings(UINT lines, UINT columns) {
        SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &savedLines_, 0);
        SystemParametersInfoA(SPI_GETWHEELSCROLLCHARS, 0, &savedColumns_, 0);
        set(lines, columns);
    }
    ~WheelSettings() { set(savedLines_, savedColumns_); }
    WheelSettings(const WheelSettings&) = delete;
    WheelSettings& operator=(const WheelSettings&) = delete;

  private:
    static void set(UINT lines, UINT columns) {
        EXPECT_TRUE(SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, lines, nullptr, 0));
        EXPECT_TRUE(SystemParametersInfoA(SPI_SETWHEELSCROLLCHARS, columns, nullptr, 0));
    }

    UINT savedLines_ = 3;
    UINT savedColumns_ = 3;
};

// Five lines a notch and four columns a tilt, neither the default three.
constexpr UINT kLines = 5;
constexpr UINT kColumns = 4;

class PictureMouseTest : public PictureTest {
  protected:
    void wheel(int delta, WORD keys = 0, UINT message = WM_MOUSEWHEEL) {
        const POINT middle = toScreen({256 + kAreaWidth / 2, 36 + kAreaHeight / 2});
        SendMessageA(window(), message, MAKEWPARAM(keys, delta), pointParam(middle));
    }
    void press(POINT at) { SendMessageA(window(), WM_LBUTTONDOWN, MK_LBUTTON, pointParam(at)); }
    void moveTo(POINT at) { SendMessageA(window(), WM_MOUSEMOVE, MK_LBUTTON, pointParam(at)); }
    void release(POINT at) { SendMessageA(window(), WM_LBUTTONUP, 0, pointParam(at)); }
};

struct WheelCase {
    const char* what;
    UINT message;
    WORD keys;
    std::vector<int> deltas;
    Origin start;
    Origin expected;
};

TEST_F(PictureMouseTest, WheelScrollsBySystemLinesAndAddsUpPartsOfANotch) {
    const WheelSettings settings(kLines, kColumns);
    showPicture();
    const WheelCase cases[] = {
        {"notch back scrolls down", WM_MOUSEWHEEL, 0, {-120}, {100, 80}, {100, 85}},
        {"notch forward scrolls up", WM_MOUSEWHEEL, 0, {120}, {100, 80}, {100, 75}},
        {"two notches in one message", WM_MOUSEWHEEL, 0, {-240}, {100, 80}, {100, 90}},
        {"shift: back scrolls right", WM_MOUSEWHEEL, MK_SHIFT, {-120}, {100, 80}, {105, 80}},
        {"shift: forward scrolls left", WM_MOUSEWHEEL, MK_SHIFT, {120}, {100, 80}, {95, 80}},
        {"tilt right", WM_MOUSEHWHEEL, 0, {120}, {100, 80}, {104, 80}},
        {"tilt left", WM_MOUSEHWHEEL, 0, {-120}, {100, 80}, {96, 80}},
        {"parts add up to a notch", WM_MOUSEWHEEL, 0, {-30, -30, -30, -30}, {100, 80}, {100, 85}},
        {"up stops at the top", WM_MOUSEWHEEL, 0, {120}, {100, 2}, {100, 0}},
        {"down stops at the last line", WM_MOUSEWHEEL, 0, {-120}, {100, 549}, {100, 551}},
        {"right stops at the last column", WM_MOUSEHWHEEL, 0, {120}, {670, 80}, {671, 80}},
    };
    for (const WheelCase& c : cases) {
        SCOPED_TRACE(c.what);
        scrollTo(c.start);
        ASSERT_EQ(origin(), c.start);
        for (const int delta : c.deltas)
            wheel(delta, c.keys, c.message);
        EXPECT_EQ(origin(), c.expected);
        // A notch the other way drops what is left for the next case.
        wheel(c.deltas.back() > 0 ? -120 : 120, c.keys, c.message);
    }
}

// A bar's page step may leave its copy past the range's start; the wheel goes on
// from what the bar shows.
TEST_F(PictureMouseTest, WheelStartsFromWhatTheBarShows) {
    const WheelSettings settings(kLines, kColumns);
    showPicture();
    scrollTo({0, 10});
    SendMessageA(window(), WM_VSCROLL, SB_PAGEUP,
                 reinterpret_cast<LPARAM>(control(control::kVerticalScrollBar)));
    ASSERT_LT(main_.verticalScroll().nPos, 0);
    wheel(-120);
    EXPECT_EQ(origin(), Origin(0, 5));
}

TEST_F(PictureMouseTest, WheelSetToPagesScrollsAPageANotch) {
    const WheelSettings settings(WHEEL_PAGESCROLL, WHEEL_PAGESCROLL);
    showPicture();
    scrollTo({10, 20});
    wheel(-120);
    EXPECT_EQ(origin(), Origin(10, 20 + kAreaHeight));
    wheel(-120, MK_SHIFT);
    EXPECT_EQ(origin(), Origin(10 + kAreaWidth, 20 + kAreaHeight));
}

TEST_F(PictureMouseTest, CtrlWheelZoomsLikeTheZoomCommands) {
    showPicture();
    const struct {
        const char* what;
        std::vector<int> deltas;
        Zoom zoom;
    } steps[] = {
        {"back zooms out", {-120}, {2, 1}},
        {"two notches back", {-240}, {4, 1}},
        {"half a notch does nothing yet", {60}, {4, 1}},
        {"the other half zooms in", {60}, {3, 1}},
        {"forward to 100%", {120, 120}, {1, 1}},
        {"and on to twice the size", {120}, {1, 2}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        for (const int delta : step.deltas)
            wheel(delta, MK_CONTROL);
        EXPECT_EQ(main_.view().scale(), step.zoom);
        // The pages follow, as they follow the commands.
        EXPECT_EQ(scrollBar(control::kVerticalScrollBar).nPage,
                  static_cast<UINT>(step.zoom.sourcePixelsIn(kAreaHeight)));
    }
}

// The grabbed point stays under the cursor: the origin moves against the mouse by
// its distance times the zoom, as far as the bars reach.
TEST_F(PictureMouseTest, DraggingMovesThePictureWithTheMouse) {
    showPicture();
    const POINT grab{400, 200};
    const struct {
        const char* what;
        std::int32_t zoom;
        POINT to;
        Origin expected;
    } cases[] = {
        {"left and up", 1, {390, 193}, {110, 87}}, {"right and down", 1, {420, 230}, {80, 50}},
        {"past the start", 1, {900, 700}, {0, 0}}, {"past the end", 1, {-1000, -1000}, {671, 551}},
        {"zoom 2", 2, {390, 193}, {120, 94}},      {"zoom 2 past the end", 2, {0, 0}, {342, 202}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        command(IDM_ZOOM_ACTUAL_SIZE);
        for (int zoom = 1; zoom < c.zoom; ++zoom)
            command(IDM_ZOOM_OUT);
        ASSERT_EQ(main_.view().zoom(), c.zoom);
        ASSERT_EQ(farEnd(), c.zoom == 1 ? Origin(671, 551) : Origin(342, 202));
        scrollTo({100, 80});
        press(grab);
        EXPECT_EQ(GetCapture(), window());
        moveTo({grab.x + 3, grab.y});
        moveTo(c.to);
        EXPECT_EQ(origin(), c.expected);
        release(c.to);
        EXPECT_EQ(GetCapture(), nullptr);
        // After the release the mouse moves nothing.
        moveTo(grab);
        EXPECT_EQ(origin(), c.expected);
    }
}

// Ctrl+wheel during a drag: the pixel under the wheel's point stays there, and the
// drag goes on at the new zoom from where the picture is then.
TEST_F(PictureMouseTest, ZoomingDuringADragKeepsThePixelUnderTheWheel) {
    showPicture();
    scrollTo({300, 250});
    press({400, 200});
    moveTo({390, 193});
    ASSERT_EQ(origin(), Origin(310, 257));
    // The wheel turns over the area's middle (164, 174): pixel (474, 431) is there.
    wheel(-120, MK_CONTROL);
    ASSERT_EQ(main_.view().zoom(), 2);
    EXPECT_EQ(origin(), Origin(474 - 164 * 2, 431 - 175 * 2 + 1));
    moveTo({380, 186});
    EXPECT_EQ(origin(), Origin(474 - 164 * 2 + 20, 431 - 175 * 2 + 1 + 14));
    release({380, 186});
}

TEST_F(PictureMouseTest, CursorIsAHandWhileDragging) {
    showPicture();
    const HCURSOR hand = LoadCursorA(nullptr, IDC_HAND);
    const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    SetCursor(arrow);
    press({400, 200});
    EXPECT_EQ(GetCursor(), hand);
    SetCursor(arrow);
    EXPECT_EQ(SendMessageA(window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(window()),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
              TRUE);
    EXPECT_EQ(GetCursor(), hand);
    release({400, 200});
    EXPECT_EQ(GetCursor(), arrow);
}

// Another window taking the mouse (a message box, say) ends the drag.
TEST_F(PictureMouseTest, LosingTheMouseEndsTheDrag) {
    showPicture();
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    scrollTo({100, 80});
    press({400, 200});
    SetCapture(control(control::kVerticalScrollBar));
    ReleaseCapture();
    moveTo({390, 190});
    EXPECT_EQ(origin(), Origin(100, 80));
    EXPECT_NE(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
}

// Without a picture, and outside the image area, the mouse does nothing.
TEST_F(PictureMouseTest, NothingHappensWithoutAPictureOrOutsideIt) {
    const auto tryEverything = [&](POINT at) {
        wheel(-120);
        wheel(-120, MK_CONTROL);
        wheel(120, 0, WM_MOUSEHWHEEL);
        press(at);
        EXPECT_EQ(GetCapture(), nullptr);
        moveTo({at.x - 50, at.y - 50});
        release({at.x - 50, at.y - 50});
    };
    {
        SCOPED_TRACE("no picture");
        tryEverything({400, 200});
        EXPECT_EQ(main_.view().zoom(), 1);
        EXPECT_EQ(origin(), Origin(0, 0));
    }
    showPicture();
    scrollTo({100, 80});
    for (const POINT outside : {POINT{255, 200}, POINT{400, 35}, POINT{256 + kAreaWidth, 200},
                                POINT{400, 36 + kAreaHeight}}) {
        SCOPED_TRACE(testing::Message() << "press at " << outside.x << ", " << outside.y);
        press(outside);
        EXPECT_EQ(GetCapture(), nullptr);
        moveTo({outside.x - 50, outside.y - 50});
        release({outside.x - 50, outside.y - 50});
        EXPECT_EQ(origin(), Origin(100, 80));
    }
    for (const POINT inside : {POINT{256, 36}, POINT{255 + kAreaWidth, 35 + kAreaHeight}}) {
        SCOPED_TRACE(testing::Message() << "press at " << inside.x << ", " << inside.y);
        press(inside);
        EXPECT_EQ(GetCapture(), window());
        release(inside);
    }
}

// Wheel messages go to the focused window; the message step hands a wheel over the
// picture to the main window, but leaves it to a chooser under the cursor or with
// its list open.
TEST_F(PictureMouseTest, WheelOverThePictureScrollsItWhileAChooserHasTheFocus) {
    const WheelSettings settings(kLines, kColumns);
    showPicture();
    scrollTo({100, 80});
    const HWND chooser = control(control::kFirstBandChooser);
    SetFocus(chooser);
    ASSERT_EQ(GetFocus(), chooser);
    const auto turn = [&](POINT at) {
        MSG message{};
        message.hwnd = GetFocus();
        message.message = WM_MOUSEWHEEL;
        message.wParam = MAKEWPARAM(0, -120);
        message.lParam = pointParam(toScreen(at));
        handleMessage(message, window(), nullptr);
    };
    turn({450, 300});
    EXPECT_EQ(origin(), Origin(100, 85));
    EXPECT_EQ(chooserSelection(0), 1);

    turn({100, 45});
    EXPECT_EQ(origin(), Origin(100, 85));
    EXPECT_EQ(chooserSelection(0), 2);

    SendMessageA(chooser, CB_SHOWDROPDOWN, TRUE, 0);
    turn({450, 300});
    EXPECT_EQ(origin(), Origin(100, 85));
    SendMessageA(chooser, CB_SHOWDROPDOWN, FALSE, 0);
}

}  // namespace
}  // namespace qm::test
