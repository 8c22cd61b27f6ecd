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

std::int64_t PictureDrag::columnFor(POINT cursor, std::int32_t zoom) const {
    return column_ - std::int64_t{cursor.x - grabbed_.x} * zoom;
}

std::int64_t PictureDrag::lineFor(POINT cursor, std::int32_t zoom) const {
    return line_ - std::int64_t{cursor.y - grabbed_.y} * zoom;
}

}  // namespace qm
