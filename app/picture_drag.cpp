#include "app/picture_drag.h"

namespace qm {

void PictureDrag::start(POINT grabbed, int column, int line) {
    grabbed_ = grabbed;
    cursor_ = grabbed;
    column_ = column;
    line_ = line;
    const HCURSOR previous = SetCursor(hand());
    if (!active_)
        previousCursor_ = previous;
    active_ = true;
}

void PictureDrag::stop() {
    if (!active_)
        return;
    active_ = false;
    SetCursor(previousCursor_);
}

void PictureDrag::regrab(int column, int line) {
    grabbed_ = cursor_;
    column_ = column;
    line_ = line;
}

std::int64_t PictureDrag::columnFor(POINT cursor, Zoom zoom) const {
    return column_ - zoom.sourcePixelsIn(cursor.x - grabbed_.x);
}

std::int64_t PictureDrag::lineFor(POINT cursor, Zoom zoom) const {
    return line_ - zoom.sourcePixelsIn(cursor.y - grabbed_.y);
}

}  // namespace qm
