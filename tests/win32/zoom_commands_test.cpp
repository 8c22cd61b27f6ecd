// Commands 40006, 40007 and 40017: zooming in goes from subsampling one step at a
// time down to 1:1 and on to 2x, 4x, 8x and 16x magnification; zooming out comes
// back to 1:1 and on to subsampling up to 32; a factor above 32 (from fitting a
// large picture) still moves by one; 100% gives 1:1.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/win32/main_window_fixture.h"

namespace qm::test {
namespace {

using ZoomCommandTest = MainWindowTest;

TEST_F(ZoomCommandTest, StepsGoThroughOneToOneAndStopAtTheLimits) {
    const struct {
        int command;
        Zoom before;
        Zoom after;
    } cases[] = {
        {IDM_ZOOM_IN, {1, 1}, {1, 2}},          {IDM_ZOOM_IN, {1, 2}, {1, 4}},
        {IDM_ZOOM_IN, {1, 8}, {1, 16}},         {IDM_ZOOM_IN, {1, 16}, {1, 16}},
        {IDM_ZOOM_IN, {2, 1}, {1, 1}},          {IDM_ZOOM_IN, {32, 1}, {31, 1}},
        {IDM_ZOOM_IN, {40, 1}, {39, 1}},        {IDM_ZOOM_OUT, {1, 16}, {1, 8}},
        {IDM_ZOOM_OUT, {1, 2}, {1, 1}},         {IDM_ZOOM_OUT, {1, 1}, {2, 1}},
        {IDM_ZOOM_OUT, {31, 1}, {32, 1}},       {IDM_ZOOM_OUT, {32, 1}, {32, 1}},
        {IDM_ZOOM_OUT, {40, 1}, {41, 1}},       {IDM_ZOOM_ACTUAL_SIZE, {17, 1}, {1, 1}},
        {IDM_ZOOM_ACTUAL_SIZE, {1, 8}, {1, 1}},
    };
    BandImage* band = makeBand("B.FST", 40, 30, [](int line, int column) {
        return static_cast<std::uint8_t>(line + column);
    });
    show(IDM_SINGLE_BAND_MODE, band, nullptr, nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.command << " at " << c.before.subsample << "/" << c.before.magnification);
        if (c.before.magnified())
            main_.view().setMagnification(c.before.magnification);
        else
            main_.view().setZoom(c.before.subsample);
        command(c.command);
        EXPECT_EQ(main_.view().scale(), c.after);
    }
}

}  // namespace
}  // namespace qm::test
