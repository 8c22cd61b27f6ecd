// The spectral profile's tool window: every band's value at one pixel of the
// picture, as a line plot of value by band and a table of band name, value and
// radiance. Modeless and owned by the main window, which tells it the pixel.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "product/spectral_profile.h"

namespace qm {

class SpectralProfileWindow {
  public:
    static constexpr char kClassName[] = "QuillmereSpectralProfile";

    SpectralProfileWindow() = default;
    ~SpectralProfileWindow() { close(); }
    SpectralProfileWindow(const SpectralProfileWindow&) = delete;
    SpectralProfileWindow& operator=(const SpectralProfileWindow&) = delete;

    // Shows the window beside its owner; false when it cannot be made.
    bool open(HWND owner, HINSTANCE instance);
    // Destroys the window and lets go of what it showed.
    void close();
    bool isOpen() const { return window_ != nullptr; }
    HWND window() const { return window_; }

    // The profile at the picture's pixel (column and line from its top-left).
    void show(std::vector<ProfileEntry> entries, std::int32_t column, std::int32_t line);
    // Nothing to show: no pixel under the cursor, or another product opened.
    void clear();

    const std::vector<ProfileEntry>& entries() const { return entries_; }
    const std::optional<std::pair<std::int32_t, std::int32_t>>& pixel() const { return pixel_; }

  private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onPaint();
    void drawPlot(HDC dc, const RECT& area) const;
    void drawTable(HDC dc, const RECT& area) const;

    HWND window_ = nullptr;
    std::vector<ProfileEntry> entries_;
    std::optional<std::pair<std::int32_t, std::int32_t>> pixel_;
};

}  // namespace qm
