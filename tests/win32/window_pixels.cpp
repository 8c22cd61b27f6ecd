#include "tests/win32/window_pixels.h"

#include <cstring>

#include "view/gdi/scoped_gdi.h"

namespace qm::test {

WindowPixels::WindowPixels(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    width_ = client.right;
    height_ = client.bottom;
    if (width_ <= 0 || height_ <= 0)
        return;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    gdi::ScopedDC windowDc(window);
    gdi::ScopedMemoryDC memory(windowDc.get());
    void* bits = nullptr;
    gdi::ScopedGdiObject<HBITMAP> copy(
        CreateDIBSection(windowDc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!windowDc || !memory || !copy || !bits)
        return;
    {
        gdi::ScopedSelect select(memory.get(), copy.get());
        BitBlt(memory.get(), 0, 0, width_, height_, windowDc.get(), 0, 0, SRCCOPY);
        GdiFlush();
    }
    pixels_.resize(static_cast<std::size_t>(width_) * height_);
    std::memcpy(pixels_.data(), bits, pixels_.size() * sizeof(std::uint32_t));
}

COLORREF WindowPixels::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || pixels_.empty())
        return CLR_INVALID;
    const std::uint32_t bgr = pixels_[static_cast<std::size_t>(y) * width_ + x];
    return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
}

bool WindowPixels::allOf(COLORREF colour, int left, int top, int right, int bottom) const {
    return countOf(colour, left, top, right, bottom) == (right - left) * (bottom - top);
}

int WindowPixels::countOf(COLORREF colour, int left, int top, int right, int bottom) const {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x)
            count += at(x, y) == colour;
    }
    return count;
}

}  // namespace qm::test
