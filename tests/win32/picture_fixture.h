// A product larger than the image area, shown in three-band mode in a window of a
// known size, and where the picture is scrolled to: the scroll bars, the shell's
// copies of them and the view's origin, which must all say the same.
#pragma once

#include <optional>
#include <utility>

#include "tests/win32/product_window_fixture.h"

namespace qm::test {

// Column and line of the picture at the image area's top-left corner.
using Origin = std::pair<int, int>;

class PictureTest : public ProductWindowTest {
  protected:
    static constexpr ProductShape kPicture{1000, 900, 0, std::nullopt};
    // The image area is 329 x 349 pixels, so the bars stop at column 671 and line
    // 551 at zoom 1.
    static constexpr int kClientWidth = 600;
    static constexpr int kClientHeight = 400;
    static constexpr int kAreaWidth = kClientWidth - 271;
    static constexpr int kAreaHeight = kClientHeight - 51;

    void SetUp() override;

    // Opens the product and applies bands 1, 2 and 3.
    void showPicture();
    // Both thumbs let go at these positions.
    void scrollTo(Origin origin);
    // The origin, after checking that both bars and their copies hold it.
    Origin origin();
    // The last positions the bars reach at the current zoom.
    Origin farEnd();

    POINT toScreen(POINT client) const;
    static LPARAM pointParam(POINT point) { return MAKELPARAM(point.x, point.y); }
};

}  // namespace qm::test
