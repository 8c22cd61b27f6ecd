#include "app/spectral_profile_window.h"

#include <algorithm>
#include <cstdio>

#include "app/texts.h"
#include "view/gdi/scoped_gdi.h"

namespace qm {
namespace {

constexpr int kWidth = 360;
constexpr int kHeight = 420;
constexpr int kMargin = 8;
constexpr int kPlotHeight = 170;
constexpr int kLineHeight = 18;
constexpr int kValueColumn = 190;
constexpr int kRadianceColumn = 250;
constexpr int kLargestValue = 255;
constexpr COLORREF kPlotColour = RGB(0, 90, 200);
constexpr COLORREF kAxisColour = RGB(128, 128, 128);

ATOM registerClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSA windowClass{};
    if (GetClassInfoA(instance, SpectralProfileWindow::kClassName, &windowClass))
        return 1;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = SpectralProfileWindow::kClassName;
    return RegisterClassA(&windowClass);
}

void textAt(HDC dc, int x, int y, const std::string& text) {
    TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

std::string number(double value, const char* format) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

bool SpectralProfileWindow::open(HWND owner, HINSTANCE instance) {
    if (window_)
        return true;
    if (!registerClass(instance, &SpectralProfileWindow::windowProc))
        return false;
    RECT ownerPlace{};
    GetWindowRect(owner, &ownerPlace);
    window_ =
        CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, texts::kProfileTitle,
                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, ownerPlace.right,
                        ownerPlace.top, kWidth, kHeight, owner, nullptr, instance, this);
    if (!window_)
        return false;
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    return true;
}

void SpectralProfileWindow::close() {
    entries_.clear();
    pixel_.reset();
    pin_.reset();
    if (!window_)
        return;
    const HWND window = window_;
    window_ = nullptr;
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

void SpectralProfileWindow::show(std::vector<ProfileEntry> entries, std::int32_t column,
                                 std::int32_t line) {
    entries_ = std::move(entries);
    pixel_ = std::pair{column, line};
    if (window_)
        InvalidateRect(window_, nullptr, TRUE);
}

void SpectralProfileWindow::clear() {
    if (entries_.empty() && !pixel_)
        return;
    entries_.clear();
    pixel_.reset();
    if (window_)
        InvalidateRect(window_, nullptr, TRUE);
}

// The object comes as the creation parameter; closing the window by its own box
// goes through close(), so the object never points at a destroyed window.
LRESULT CALLBACK SpectralProfileWindow::windowProc(HWND window, UINT message, WPARAM wParam,
                                                   LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<SpectralProfileWindow*>(
            reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<SpectralProfileWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
        case WM_PAINT:
            return self->onPaint();
        case WM_CLOSE:
            self->close();
            return 0;
        case WM_DESTROY:
            // Its owner went first: the object lets go of the window.
            self->window_ = nullptr;
            self->clear();
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT SpectralProfileWindow::onPaint() {
    const gdi::ScopedPaint paint(window_);
    const HDC dc = paint.get();
    RECT client{};
    GetClientRect(window_, &client);
    const gdi::ScopedSelect font(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    if (entries_.empty() || !pixel_) {
        textAt(dc, kMargin, kMargin, texts::kProfileNoPixel);
        return 0;
    }
    textAt(dc, kMargin, kMargin,
           "X " + std::to_string(pixel_->first) + "  Y " + std::to_string(pixel_->second));
    drawPlot(dc, {client.left + 4 * kMargin, client.top + 3 * kMargin, client.right - 2 * kMargin,
                  client.top + 3 * kMargin + kPlotHeight});
    drawTable(dc, {client.left + kMargin, client.top + 6 * kMargin + kPlotHeight, client.right,
                   client.bottom});
    return 0;
}

// Values 0 to 255 upwards, the bands from left to right in catalogue order, one
// point each; a band that cannot be read leaves a gap in the line.
void SpectralProfileWindow::drawPlot(HDC dc, const RECT& area) const {
    const gdi::ScopedGdiObject<HPEN> axisPen(CreatePen(PS_SOLID, 1, kAxisColour));
    {
        const gdi::ScopedSelect pen(dc, axisPen.get());
        MoveToEx(dc, area.left, area.top, nullptr);
        LineTo(dc, area.left, area.bottom);
        LineTo(dc, area.right, area.bottom);
    }
    textAt(dc, area.left - 3 * kMargin, area.top - kMargin / 2, "255");
    textAt(dc, area.left - 2 * kMargin, area.bottom - kMargin, "0");
    const int count = static_cast<int>(entries_.size());
    const auto xOf = [&](int i) {
        return area.left + (area.right - area.left) * (2 * i + 1) / (2 * std::max(count, 1));
    };
    const auto yOf = [&](int value) {
        return area.bottom - (area.bottom - area.top) * value / kLargestValue;
    };
    const gdi::ScopedGdiObject<HPEN> plotPen(CreatePen(PS_SOLID, 2, kPlotColour));
    const gdi::ScopedSelect pen(dc, plotPen.get());
    bool joined = false;
    for (int i = 0; i < count; ++i) {
        const std::optional<std::uint8_t>& value = entries_[static_cast<std::size_t>(i)].value;
        textAt(dc, xOf(i) - 3, area.bottom + 2, std::to_string(i + 1));
        if (!value) {
            joined = false;
            continue;
        }
        const int x = xOf(i);
        const int y = yOf(*value);
        if (joined)
            LineTo(dc, x, y);
        else
            MoveToEx(dc, x, y, nullptr);
        Ellipse(dc, x - 3, y - 3, x + 4, y + 4);
        MoveToEx(dc, x, y, nullptr);
        joined = true;
    }
}

void SpectralProfileWindow::drawTable(HDC dc, const RECT& area) const {
    int y = area.top;
    textAt(dc, area.left, y, texts::kProfileBandHeading);
    textAt(dc, area.left + kValueColumn, y, texts::kProfileValueHeading);
    textAt(dc, area.left + kRadianceColumn, y, texts::kProfileRadianceHeading);
    for (const ProfileEntry& entry : entries_) {
        y += kLineHeight;
        textAt(dc, area.left, y, entry.name);
        textAt(dc, area.left + kValueColumn, y, entry.value ? std::to_string(*entry.value) : "-");
        textAt(dc, area.left + kRadianceColumn, y,
               entry.radiance ? number(*entry.radiance, "%.3f") : "-");
    }
}

}  // namespace qm
