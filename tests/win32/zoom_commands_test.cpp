// Commands 40006, 40007 and 40017: one step at a time within 1 to 32; a factor
// above 32 (from fitting a large picture) still moves by one.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/win32/main_window_fixture.h"

namespace qm::test {
namespace {

using ZoomCommandTest = MainWindowTest;

TEST_F(ZoomCommandTest, StepsStopAtTheLimits) {
    const struct {
        int command;
        std::int32_t before;
        std::int32_t after;
    } cases[] = {
        {IDM_ZOOM_IN, 1, 1},    {IDM_ZOOM_IN, 2, 1},    {IDM_ZOOM_IN, 32, 31},
        {IDM_ZOOM_IN, 40, 39},  {IDM_ZOOM_OUT, 1, 2},   {IDM_ZOOM_OUT, 31, 32},
        {IDM_ZOOM_OUT, 32, 32}, {IDM_ZOOM_OUT, 40, 41}, {IDM_ZOOM_ACTUAL_SIZE, 17, 1},
    };
    BandImage* band = makeBand("B.FST", 40, 30, [](int line, int column) {
        return static_cast<std::uint8_t>(line + column);
    });
    show(IDM_SINGLE_BAND_MODE, band, nullptr, nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.command << " at " << c.before);
        main_.view().setZoom(c.before);
        command(c.command);
        EXPECT_EQ(main_.view().zoom(), c.after);
    }
}

}  // namespace
}  // namespace qm::test
