// Owners for the handles one paint or one display obtains from GDI, so that every
// device context, pen, brush and bitmap is given back on every path out.
#pragma once

#include <windows.h>

namespace qm::gdi {

// The device context of a window's client area (GetDC / ReleaseDC).
class ScopedDC {
  public:
    explicit ScopedDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~ScopedDC() {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    ScopedDC(const ScopedDC&) = delete;
    ScopedDC& operator=(const ScopedDC&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HWND window_;
    HDC dc_;
};

// One paint of a window (BeginPaint / EndPaint).
class ScopedPaint {
  public:
    explicit ScopedPaint(HWND window) : window_(window) { BeginPaint(window_, &paint_); }
    ~ScopedPaint() { EndPaint(window_, &paint_); }
    ScopedPaint(const ScopedPaint&) = delete;
    ScopedPaint& operator=(const ScopedPaint&) = delete;

    HDC get() const { return paint_.hdc; }
    // The bounds of what this paint must draw again.
    const RECT& area() const { return paint_.rcPaint; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
};

// A memory device context (CreateCompatibleDC / DeleteDC).
class ScopedMemoryDC {
  public:
    explicit ScopedMemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~ScopedMemoryDC() {
        if (dc_)
            DeleteDC(dc_);
    }
    ScopedMemoryDC(const ScopedMemoryDC&) = delete;
    ScopedMemoryDC& operator=(const ScopedMemoryDC&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HDC dc_;
};

// A pen, brush or bitmap that we created (DeleteObject). Declare it before the
// ScopedSelect that puts it into a device context, so it is selected out first.
template <typename Handle>
class ScopedGdiObject {
  public:
    explicit ScopedGdiObject(Handle object) : object_(object) {}
    ~ScopedGdiObject() {
        if (object_)
            DeleteObject(object_);
    }
    ScopedGdiObject(const ScopedGdiObject&) = delete;
    ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;

    Handle get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

  private:
    Handle object_;
};

// Selects an object into a device context and puts the previous one back.
class ScopedSelect {
  public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~ScopedSelect() {
        if (previous_ && previous_ != HGDI_ERROR)
            SelectObject(dc_, previous_);
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace qm::gdi
