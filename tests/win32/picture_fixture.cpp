#include "tests/win32/picture_fixture.h"

#include "app/control_ids.h"
#include "res/resource.h"

namespace qm::test {

void PictureTest::SetUp() {
    ProductWindowTest::SetUp();
    setClientSize(kClientWidth, kClientHeight);
    ASSERT_EQ(clientRect().right, kClientWidth);
    ASSERT_EQ(clientRect().bottom, kClientHeight);
}

void PictureTest::showPicture() {
    open(writeProduct("SCENE", 3, kPicture));
    choose({1, 2, 3});
    command(IDM_APPLY_BAND_CHANGE);
    pumpMessages();
    ASSERT_NE(main_.view().channel(0), nullptr);
}

void PictureTest::scrollTo(Origin origin) {
    SendMessageA(window(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, origin.first),
                 reinterpret_cast<LPARAM>(control(control::kHorizontalScrollBar)));
    SendMessageA(window(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, origin.second),
                 reinterpret_cast<LPARAM>(control(control::kVerticalScrollBar)));
}

Origin PictureTest::origin() {
    const SCROLLINFO horizontal = scrollBar(control::kHorizontalScrollBar);
    const SCROLLINFO vertical = scrollBar(control::kVerticalScrollBar);
    EXPECT_EQ(main_.horizontalScroll().nPos, horizontal.nPos);
    EXPECT_EQ(main_.verticalScroll().nPos, vertical.nPos);
    EXPECT_EQ(main_.view().scrollX(), horizontal.nPos);
    EXPECT_EQ(main_.view().scrollY(), vertical.nPos);
    return {horizontal.nPos, vertical.nPos};
}

Origin PictureTest::farEnd() {
    const int zoom = main_.view().zoom();
    return {kPicture.width - kAreaWidth * zoom, kPicture.height - kAreaHeight * zoom};
}

POINT PictureTest::toScreen(POINT client) const {
    ClientToScreen(window(), &client);
    return client;
}

}  // namespace qm::test
