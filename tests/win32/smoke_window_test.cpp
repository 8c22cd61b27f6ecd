// A real top-level window with the Japanese menu from the resource script.
#include <gtest/gtest.h>

#include <string>

#include "tools/smoke/smoke_resources.h"
#include "tools/smoke/smoke_window.h"

namespace qm::smoke {
namespace {

std::string menuText(HMENU menu, UINT item, UINT flags) {
    char buffer[64] = {};
    const int length = GetMenuStringA(menu, item, buffer, sizeof buffer, flags);
    return std::string(buffer, length > 0 ? length : 0);
}

TEST(SmokeWindow, ShowsTheJapaneseMenuAsShiftJisBytes) {
    SmokeWindow window;
    ASSERT_TRUE(window.create(GetModuleHandleA(nullptr), "Quillmere smoke"));
    const HWND hwnd = window.hwnd();
    ShowWindow(hwnd, SW_SHOWNORMAL);
    ASSERT_TRUE(IsWindow(hwnd));

    const HMENU menu = GetMenu(hwnd);
    ASSERT_NE(menu, nullptr);
    // "ファイル(&F)" and "CD-ROMを開く(&O)" in code page 932.
    EXPECT_EQ(menuText(menu, 0, MF_BYPOSITION), "\x83\x74\x83\x40\x83\x43\x83\x8B(&F)");
    EXPECT_EQ(menuText(GetSubMenu(menu, 0), IDM_SMOKE_OPEN, MF_BYCOMMAND),
              "CD-ROM\x82\xF0\x8A\x4A\x82\xAD(&O)");

    EXPECT_TRUE(DestroyWindow(hwnd));
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(window.hwnd(), nullptr);
}

}  // namespace
}  // namespace qm::smoke
