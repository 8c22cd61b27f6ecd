// Owners for what a copy to the clipboard borrows from the system: movable global
// memory, its bytes while locked, and the clipboard while it is open, so each is
// given back on every path out.
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

namespace qm {

// Movable global memory (GlobalAlloc / GlobalFree), until it is handed to the
// clipboard, which frees it from then on.
class ScopedGlobalMemory {
  public:
    explicit ScopedGlobalMemory(SIZE_T bytes) : memory_(GlobalAlloc(GMEM_MOVEABLE, bytes)) {}
    ~ScopedGlobalMemory() {
        if (memory_)
            GlobalFree(memory_);
    }
    ScopedGlobalMemory(const ScopedGlobalMemory&) = delete;
    ScopedGlobalMemory& operator=(const ScopedGlobalMemory&) = delete;

    HGLOBAL get() const { return memory_; }
    explicit operator bool() const { return memory_ != nullptr; }
    // The memory for its new owner; this one no longer frees it.
    HGLOBAL release() { return std::exchange(memory_, nullptr); }

  private:
    HGLOBAL memory_;
};

// The bytes of global memory while it is locked (GlobalLock / GlobalUnlock).
class ScopedGlobalLock {
  public:
    explicit ScopedGlobalLock(HGLOBAL memory)
        : memory_(memory), bytes_(static_cast<std::uint8_t*>(GlobalLock(memory))) {}
    ~ScopedGlobalLock() {
        if (bytes_)
            GlobalUnlock(memory_);
    }
    ScopedGlobalLock(const ScopedGlobalLock&) = delete;
    ScopedGlobalLock& operator=(const ScopedGlobalLock&) = delete;

    std::uint8_t* get() const { return bytes_; }
    explicit operator bool() const { return bytes_ != nullptr; }

  private:
    HGLOBAL memory_;
    std::uint8_t* bytes_;
};

// The clipboard, open for a window (OpenClipboard / CloseClipboard).
class ScopedClipboard {
  public:
    explicit ScopedClipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~ScopedClipboard() {
        if (open_)
            CloseClipboard();
    }
    ScopedClipboard(const ScopedClipboard&) = delete;
    ScopedClipboard& operator=(const ScopedClipboard&) = delete;

    explicit operator bool() const { return open_; }

  private:
    bool open_;
};

}  // namespace qm
