// Shows the hourglass while a long step (loading bands, writing a file) blocks the
// window, and puts the previous cursor back when the step ends.
#pragma once

#include <windows.h>

namespace qm {

class ScopedWaitCursor {
  public:
    ScopedWaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
    ~ScopedWaitCursor() { SetCursor(previous_); }
    ScopedWaitCursor(const ScopedWaitCursor&) = delete;
    ScopedWaitCursor& operator=(const ScopedWaitCursor&) = delete;

  private:
    HCURSOR previous_;
};

}  // namespace qm
