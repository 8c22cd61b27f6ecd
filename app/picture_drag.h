// Dragging the picture with the left button: the point grabbed stays under the
// cursor, so the scroll position moves against the mouse by the distance it went
// in source pixels (times the subsampling factor, or in whole magnified pixels).
#pragma once

#include <windows.h>

#include <cstdint>

#include "view/zoom.h"

namespace qm {

class PictureDrag {
  public:
    PictureDrag() = default;
    PictureDrag(const PictureDrag&) = delete;
    PictureDrag& operator=(const PictureDrag&) = delete;

    bool active() const { return active_; }
    // Grabs the picture at a client point, at these scroll positions, and shows the
    // hand until the drag ends.
    void start(POINT grabbed, int column, int line);
    // Ends the drag and brings the cursor back; nothing when no drag runs.
    void stop();
    // Where the cursor went during the drag.
    void follow(POINT cursor) { cursor_ = cursor; }
    // Whether the cursor left the point it grabbed: a press and release where it
    // stood is a click.
    bool moved() const { return cursor_.x != grabbed_.x || cursor_.y != grabbed_.y; }
    // The zoom changed under the drag (Ctrl+wheel): the picture is grabbed again
    // where the cursor is, at these scroll positions, so it does not jump.
    void regrab(int column, int line);

    // The scroll positions that bring the grabbed point under the cursor, before the
    // bars limit them.
    std::int64_t columnFor(POINT cursor, Zoom zoom) const;
    std::int64_t lineFor(POINT cursor, Zoom zoom) const;

    static HCURSOR hand() { return LoadCursorA(nullptr, IDC_HAND); }

  private:
    bool active_ = false;
    POINT grabbed_{};
    POINT cursor_{};
    int column_ = 0;
    int line_ = 0;
    HCURSOR previousCursor_ = nullptr;
};

}  // namespace qm
