// The view's display on a real window: when it draws, and that it keeps nothing.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/win32/main_window_fixture.h"
#include "tests/win32/window_pixels.h"

namespace qm::test {
namespace {

using ImageViewDrawTest = MainWindowTest;

std::uint8_t ramp(int line, int column) {
    return static_cast<std::uint8_t>(16 * line + column);
}

TEST_F(ImageViewDrawTest, DrawsOnlyWithABandAndAnImageArea) {
    EXPECT_FALSE(main_.view().draw()) << "no band yet";
    show(IDM_THREE_BAND_MODE, makeBand("R.FST", 8, 6, ramp), nullptr, nullptr);
    EXPECT_TRUE(main_.view().draw());
    EXPECT_EQ(main_.view().outputWidth(), clientRect().right - 271);
    EXPECT_EQ(main_.view().outputHeight(), clientRect().bottom - 51);
    // The image lived in the display's own bitmap section, which is gone.
    EXPECT_EQ(main_.view().displayBits(), nullptr);

    setClientSize(271, 300);
    ASSERT_EQ(clientRect().right, 271);
    EXPECT_FALSE(main_.view().draw()) << "no width left";
    setClientSize(400, 51);
    ASSERT_EQ(clientRect().bottom, 51);
    EXPECT_FALSE(main_.view().draw()) << "no height left";
}

}  // namespace
}  // namespace qm::test
