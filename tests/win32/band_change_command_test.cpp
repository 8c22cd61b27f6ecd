// Command 40016 on a product opened through the dialog: the choosers' bands into
// the view, the size check, and the scroll ranges.
#include <gtest/gtest.h>

#include "app/control_ids.h"
#include "res/resource.h"
#include "tests/support/message_capture.h"
#include "tests/win32/product_window_fixture.h"
#include "view/texts.h"

namespace qm::test {
namespace {

using BandChangeCommandTest = ProductWindowTest;

// A band shown before and chosen again keeps its pixels; the one not chosen again
// lets them go.
TEST_F(BandChangeCommandTest, SameBandInTwoChannelsPassesAndStaysLoaded) {
    MessageCapture boxes;
    const std::string label = writeProduct("SCENE", 3);
    open(label);
    choose({1, 2, 3});
    command(IDM_APPLY_BAND_CHANGE);
    BandImage* first = main_.view().channel(0);
    BandImage* third = main_.view().channel(2);
    ASSERT_NE(first->pixels(), nullptr);

    choose({1, 1, 2});
    command(IDM_APPLY_BAND_CHANGE);
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(main_.view().channel(0), first);
    EXPECT_EQ(main_.view().channel(1), first);
    EXPECT_NE(first->pixels(), nullptr);
    EXPECT_EQ(third->pixels(), nullptr);
    const std::string saved = dir_.path("SAME.BMP");
    save(saved);
    EXPECT_EQ(fileBytes(saved), cliExport(label, {"--rgb", "1,1,2"}));
}

TEST_F(BandChangeCommandTest, NoBandChosenEmptiesTheViewAndTheScrollRanges) {
    open(writeProduct("SCENE", 3));
    choose({1, 2, 3});
    command(IDM_APPLY_BAND_CHANGE);
    main_.levels()[0] = LevelRange{.high = 200, .low = 20};
    choose({0, 0, 0});
    command(IDM_APPLY_BAND_CHANGE);
    for (int channel = 0; channel < 3; ++channel)
        EXPECT_EQ(main_.view().channel(channel), nullptr);
    EXPECT_EQ(main_.levels()[0].high, 255);
    EXPECT_EQ(main_.levels()[0].low, 0);
    // Nothing to scroll: each range is just the page.
    for (const int bar : {control::kVerticalScrollBar, control::kHorizontalScrollBar}) {
        EXPECT_EQ(scrollBar(bar).nMin, 0) << bar;
        EXPECT_EQ(scrollBar(bar).nMax, static_cast<int>(scrollBar(bar).nPage) - 1) << bar;
        EXPECT_EQ(scrollBar(bar).nPos, 0) << bar;
    }
}

// The last band of this product is longer than the others.
TEST_F(BandChangeCommandTest, DifferentSizesAreRefusedAndNothingChanges) {
    MessageCapture boxes;
    open(writeProduct("SCENE", 3, {.extraBytes = 7}));
    choose({1, 2, 1});
    command(IDM_APPLY_BAND_CHANGE);
    BandImage* shown = main_.view().channel(0);
    main_.levels()[1] = LevelRange{.high = 180, .low = 30};

    choose({1, 3, 0});
    command(IDM_APPLY_BAND_CHANGE);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, texts::kDifferentSizes);
    EXPECT_EQ(boxes.boxes()[0].caption, texts::kErrorCaption);
    EXPECT_EQ(boxes.boxes()[0].owner, window());
    EXPECT_EQ(boxes.boxes()[0].style & MB_ICONMASK, platform::kMbIconError);
    EXPECT_EQ(main_.view().channel(0), shown);
    EXPECT_NE(shown->pixels(), nullptr);
    EXPECT_EQ(main_.levels()[1].high, 180);
}

}  // namespace
}  // namespace qm::test
