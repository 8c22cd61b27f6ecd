// While a command waits in a modal dialog or message box, the box runs its own
// message loop on the GUI thread, and the main window goes on receiving messages.
// A second command then could free the bands the first one still uses, or open one
// dialog on top of another. Every command, and every open that a drop starts, runs
// under the window's one guard; while it is held the window refuses commands
// (menus, toolbar, accelerators, the wheel's zoom), level clicks and drops.
#pragma once

#include <utility>

namespace qm {

class ModalGuard {
  public:
    // Holds the guard for the life of a scope, however the scope ends.
    class Hold {
      public:
        explicit Hold(ModalGuard& guard)
            : guard_(guard), wasHeld_(std::exchange(guard.held_, true)) {}
        ~Hold() { guard_.held_ = wasHeld_; }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

      private:
        ModalGuard& guard_;
        bool wasHeld_;
    };

    ModalGuard() = default;
    ModalGuard(const ModalGuard&) = delete;
    ModalGuard& operator=(const ModalGuard&) = delete;

    // Whether a command (or a drop's open) is running, perhaps waiting in a box.
    bool held() const { return held_; }
    [[nodiscard]] Hold hold() { return Hold(*this); }

  private:
    bool held_ = false;
};

}  // namespace qm
