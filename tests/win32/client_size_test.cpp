// The Windows side of the window seam and of the bitmap description.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstddef>

#include "platform/window.h"
#include "view/bitmap_info.h"

namespace qm {
namespace {

static_assert(sizeof(BitmapInfo) == sizeof(BITMAPINFO));
static_assert(offsetof(BitmapInfoHeader, bitCount) == offsetof(BITMAPINFOHEADER, biBitCount));
static_assert(offsetof(BitmapInfoHeader, clrImportant) ==
              offsetof(BITMAPINFOHEADER, biClrImportant));
static_assert(offsetof(BitmapInfo, colors) == offsetof(BITMAPINFO, bmiColors));

TEST(ClientSize, IsTheClientRectangleOfARealWindow) {
    // A static control needs no class of ours; its whole area is client area.
    const HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 971, 551, nullptr, nullptr,
                                        GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    RECT rect{};
    ASSERT_TRUE(GetClientRect(window, &rect));
    const platform::ClientSize size = platform::clientSize(window);
    EXPECT_EQ(size.width, 971);
    EXPECT_EQ(size.height, 551);
    EXPECT_EQ(size.width, rect.right);
    DestroyWindow(window);

    const platform::ClientSize gone = platform::clientSize(window);
    EXPECT_EQ(gone.width, 0);
    EXPECT_EQ(gone.height, 0);
}

}  // namespace
}  // namespace qm
