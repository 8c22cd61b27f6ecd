// What each change asks to be painted again: a scroll or a zoom changes the image
// alone, so the panels are neither invalidated nor drawn.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>

#include "res/resource.h"
#include "tests/win32/main_window_fixture.h"

namespace qm::test {
namespace {

using PaintRegionTest = MainWindowTest;

std::uint8_t ramp(int line, int column) {
    return static_cast<std::uint8_t>(3 * line + column);
}

TEST_F(PaintRegionTest, ScrollsAndZoomsInvalidateTheImageAreaAlone) {
    show(IDM_THREE_BAND_MODE, makeBand("R.FST", 64, 48, ramp), nullptr, nullptr);
    const LPARAM verticalBar = reinterpret_cast<LPARAM>(control(110));
    const LPARAM horizontalBar = reinterpret_cast<LPARAM>(control(111));
    const struct {
        const char* what;
        std::function<void()> change;
    } cases[] = {
        {"line down", [&] { SendMessageA(window(), WM_VSCROLL, SB_LINEDOWN, verticalBar); }},
        {"page right", [&] { SendMessageA(window(), WM_HSCROLL, SB_PAGEDOWN, horizontalBar); }},
        {"zoom out", [&] { command(IDM_ZOOM_OUT); }},
        {"zoom in", [&] { command(IDM_ZOOM_IN); }},
        {"zoom to fit", [&] { command(IDM_ZOOM_TO_FIT); }},
        {"actual size", [&] { command(IDM_ZOOM_ACTUAL_SIZE); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        UpdateWindow(window());
        c.change();
        RECT waiting{};
        ASSERT_TRUE(GetUpdateRect(window(), &waiting, FALSE));
        const RECT client = clientRect();
        EXPECT_EQ(waiting.left, 256);
        EXPECT_EQ(waiting.top, 36);
        EXPECT_EQ(waiting.right, client.right - 15);
        EXPECT_EQ(waiting.bottom, client.bottom - 15);
    }
}

}  // namespace
}  // namespace qm::test
