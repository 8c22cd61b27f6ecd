// The spectral profile's tool window: every band's value at one pixel of the
// picture, as a line plot of value by band and a table of band name, value and
// radiance. Modeless and owned by the main window, which tells it the pixel.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "product/spectral_profile.h"

namespace qm {

class SpectralProfileWindow {
  public:
    static constexpr char kClassName[] = "QuillmereSpectralProfile";
    // A pixel of the picture: column and line from its top-left.
    using Place = std::pair<std::int32_t, std::int32_t>;

    SpectralProfileWindow() = default;
    ~SpectralProfileWindow() { close(); }
    SpectralProfileWindow(const SpectralProfileWindow&) = delete;
    SpectralProfileWindow& operator=(const SpectralProfileWindow&) = delete;

    // Shows the window beside its owner; false when it cannot be made.
    bool open(HWND owner, HINSTANCE instance);
    // Destroys the window and lets go of what it showed and of its pin.
    void close();
    bool isOpen() const { return window_ != nullptr; }
    HWND window() const { return window_; }

    // The profile at the picture's pixel (column and line from its top-left).
    void show(std::vector<ProfileEntry> entries, std::int32_t column, std::int32_t line);
    // Nothing to show: no pixel under the cursor, or another product opened.
    void clear();

    const std::vector<ProfileEntry>& entries() const { return entries_; }
    const std::optional<Place>& pixel() const { return pixel_; }

    // A pinned pixel stays shown until it is let go, whatever the cursor does.
    void pin(Place place) { pin_ = place; }
    void unpin() { pin_.reset(); }
    const std::optional<Place>& pinned() const { return pin_; }

  private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onPaint();
    void drawPlot(HDC dc, const RECT& area) const;
    void drawTable(HDC dc, const RECT& area) const;

    HWND window_ = nullptr;
    std::vector<ProfileEntry> entries_;
    std::optional<Place> pixel_;
    std::optional<Place> pin_;
};

}  // namespace qm
