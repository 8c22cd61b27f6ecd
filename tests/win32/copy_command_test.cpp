// Command 40033: the picture the image area shows goes onto the clipboard as a
// 24-bit device-independent bitmap of the image area's size.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "app/scoped_clipboard.h"
#include "res/resource.h"
#include "tests/win32/product_window_fixture.h"
#include "tests/win32/window_pixels.h"
#include "view/gdi/panel_layout.h"

namespace qm::test {
namespace {

using CopyCommandTest = ProductWindowTest;

// What the clipboard holds as CF_DIB, or nothing.
std::vector<std::uint8_t> clipboardDib(HWND window) {
    const ScopedClipboard clipboard(window);
    const HANDLE data = clipboard ? GetClipboardData(CF_DIB) : nullptr;
    const ScopedGlobalLock bytes(data);
    if (!bytes)
        return {};
    return std::vector<std::uint8_t>(bytes.get(), bytes.get() + GlobalSize(data));
}

// The DIB's pixel at (x, y) from the top, as RGB(red, green, blue).
COLORREF dibPixel(const std::vector<std::uint8_t>& dib, const BITMAPINFOHEADER& header, int x,
                  int y) {
    const std::size_t stride = (3 * static_cast<std::size_t>(header.biWidth) + 3) / 4 * 4;
    const std::size_t at =
        sizeof header + (header.biHeight - 1 - y) * stride + 3 * static_cast<std::size_t>(x);
    return RGB(dib[at + 2], dib[at + 1], dib[at]);
}

// Copied straight after the band change, before any paint: the clipboard holds what
// the window then shows.
TEST_F(CopyCommandTest, PutsTheImageAreaAsShownOnTheClipboard) {
    open(writeProduct("SCENE", 3));
    choose({2, 3, 1});
    command(IDM_APPLY_BAND_CHANGE);
    command(IDM_COPY);
    const std::vector<std::uint8_t> dib = clipboardDib(window());
    pumpMessages();
    repaint();
    const WindowPixels shown(window());

    const RECT client = clientRect();
    const int width = layout::imageAreaWidth(client.right);
    const int height = layout::imageAreaHeight(client.bottom);
    const std::size_t stride = (3 * static_cast<std::size_t>(width) + 3) / 4 * 4;
    ASSERT_GE(dib.size(), sizeof(BITMAPINFOHEADER) + stride * height);
    BITMAPINFOHEADER header{};
    std::memcpy(&header, dib.data(), sizeof header);
    EXPECT_EQ(header.biSize, 40u);
    EXPECT_EQ(header.biWidth, width);
    EXPECT_EQ(header.biHeight, height);
    EXPECT_EQ(header.biPlanes, 1);
    EXPECT_EQ(header.biBitCount, 24);
    EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_EQ(header.biSizeImage, stride * height);

    int differing = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            differing += dibPixel(dib, header, x, y) !=
                         shown.at(layout::kControlPanelWidth + x, layout::kToolbarHeight + y);
        }
    }
    EXPECT_EQ(differing, 0);
    // The picture, not an empty area: its top-left pixel is band 2's, 3's and 1's.
    EXPECT_EQ(dibPixel(dib, header, 0, 0),
              RGB(pixelValue(2, 0, 0), pixelValue(3, 0, 0), pixelValue(1, 0, 0)));
}

TEST_F(CopyCommandTest, NothingShownPutsNothingThere) {
    open(writeProduct("SCENE", 3));
    {
        const ScopedClipboard clipboard(window());
        EmptyClipboard();
    }
    command(IDM_COPY);
    EXPECT_TRUE(clipboardDib(window()).empty());
}

}  // namespace
}  // namespace qm::test
