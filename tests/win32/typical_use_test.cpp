// One session as a user has it: open a product through the open dialog, show three
// bands, let the levels be set automatically, zoom, scroll, switch to one band,
// set its levels with the up-downs, and save through the save dialog after each
// step. Every saved file must equal what quillmere-cli export writes.
#include <gtest/gtest.h>

#include <string>

#include "app/control_ids.h"
#include "res/resource.h"
#include "tests/support/message_capture.h"
#include "tests/win32/product_window_fixture.h"

namespace qm::test {
namespace {

using TypicalUseTest = ProductWindowTest;

TEST_F(TypicalUseTest, OpenShowLevelZoomScrollAndSave) {
    MessageCapture boxes;
    const std::string label = writeProduct("SCENE", 4);

    open(label);
    for (int channel = 0; channel < 3; ++channel) {
        EXPECT_EQ(chooserCount(channel), 5);
        EXPECT_EQ(chooserSelection(channel), 0);
    }

    choose({1, 2, 3});
    command(IDM_APPLY_BAND_CHANGE);
    for (int channel = 0; channel < 3; ++channel)
        ASSERT_NE(main_.view().channel(channel), nullptr) << channel;
    // The picture is smaller than the image area: one page shows all of it.
    for (const int bar : {control::kVerticalScrollBar, control::kHorizontalScrollBar}) {
        EXPECT_EQ(scrollBar(bar).nMax, static_cast<int>(scrollBar(bar).nPage) - 1);
        EXPECT_GE(scrollBar(bar).nMax + 1, bar == control::kVerticalScrollBar ? kHeight : kWidth);
    }
    const std::string plain = dir_.path("PLAIN.BMP");
    save(plain);
    EXPECT_EQ(fileBytes(plain), cliExport(label, {"--rgb", "1,2,3"}));

    command(IDM_AUTO_LEVEL_TRUE_COLOUR);
    const std::string automatic = dir_.path("AUTO.BMP");
    save(automatic);
    EXPECT_EQ(fileBytes(automatic), cliExport(label, {"--rgb", "1,2,3", "--auto-true-colour"}));

    command(IDM_ZOOM_OUT);
    command(IDM_ZOOM_OUT);
    EXPECT_EQ(main_.view().zoom(), 3);
    command(IDM_ZOOM_IN);
    EXPECT_EQ(main_.view().zoom(), 2);
    command(IDM_ZOOM_ACTUAL_SIZE);
    EXPECT_EQ(main_.view().zoom(), 1);
    setClientSize(256 + 15 + 20, 36 + 15 + 10);
    command(IDM_ZOOM_TO_FIT);
    EXPECT_GT(main_.view().zoom(), 1);
    command(IDM_ZOOM_ACTUAL_SIZE);
    SendMessageA(window(), WM_VSCROLL, SB_LINEDOWN,
                 reinterpret_cast<LPARAM>(control(control::kVerticalScrollBar)));
    SendMessageA(window(), WM_HSCROLL, SB_LINEDOWN,
                 reinterpret_cast<LPARAM>(control(control::kHorizontalScrollBar)));
    pumpMessages();
    EXPECT_GT(main_.view().scrollY(), 0);
    EXPECT_GT(main_.view().scrollX(), 0);
    // The saved picture is the whole band at full resolution, whatever is shown.
    const std::string zoomed = dir_.path("ZOOMED.BMP");
    save(zoomed);
    EXPECT_EQ(fileBytes(zoomed), fileBytes(automatic));

    command(IDM_SINGLE_BAND_MODE);
    choose({2});
    command(IDM_APPLY_BAND_CHANGE);
    clickSpin(control::kFirstHighSpin, -1);
    clickSpin(control::kFirstHighSpin, -1);
    clickSpin(control::kFirstLowSpin, 1);
    const LevelRange set = main_.levels()[0];
    ASSERT_NE(set.high, 255);
    ASSERT_NE(set.low, 0);
    command(IDM_APPLY_INPUT_LEVELS);
    const std::string grey = dir_.path("GREY.BMP");
    save(grey);
    EXPECT_EQ(fileBytes(grey),
              cliExport(label, {"--band", "2", "--levels",
                                std::to_string(set.low) + ":" + std::to_string(set.high)}));
    EXPECT_TRUE(boxes.boxes().empty());
}

}  // namespace
}  // namespace qm::test
