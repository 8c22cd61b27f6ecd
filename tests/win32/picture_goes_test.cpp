// The open command and both mode commands take the picture away: the image area
// and the histogram panels show nothing of it until the next band change.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/win32/product_window_fixture.h"
#include "tests/win32/window_pixels.h"

namespace qm::test {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kChannelColours[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};

class PictureGoesTest : public ProductWindowTest {
  protected:
    // Pixels of a channel's bars in the histogram areas of all three blocks.
    int barPixels(const WindowPixels& shown) const {
        int count = 0;
        for (int channel = 0; channel < 3; ++channel) {
            for (const COLORREF colour : kChannelColours)
                count += shown.countOf(colour, 0, 61 + 150 * channel, 256, 162 + 150 * channel);
        }
        return count;
    }
    // The image area is erased to the window's white background.
    bool imageAreaBlank(const WindowPixels& shown) const {
        const RECT client = clientRect();
        return shown.allOf(kWhite, 256, 36, client.right - 15, client.bottom - 15);
    }
};

TEST_F(PictureGoesTest, OpenAndModeCommandsLeaveNoPictureAndNoBars) {
    const std::string first = writeProduct("FIRST", 3);
    const std::string other = writeProduct("OTHER", 2);
    const struct {
        const char* what;
        int mode;
        std::vector<int> chosen;
        std::function<void()> takeAway;
    } cases[] = {
        {"open another product", IDM_THREE_BAND_MODE, {1, 2, 3}, [&] { open(other); }},
        {"switch to one band",
         IDM_THREE_BAND_MODE,
         {1, 2, 3},
         [&] { command(IDM_SINGLE_BAND_MODE); }},
        {"switch to three bands", IDM_SINGLE_BAND_MODE, {2}, [&] { command(IDM_THREE_BAND_MODE); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        open(first);
        command(c.mode);
        choose(c.chosen);
        command(IDM_APPLY_BAND_CHANGE);
        pumpMessages();
        const WindowPixels before(window());
        ASSERT_FALSE(imageAreaBlank(before));
        ASSERT_GT(barPixels(before), 0);

        c.takeAway();
        pumpMessages();
        const WindowPixels after(window());
        EXPECT_TRUE(imageAreaBlank(after));
        EXPECT_EQ(barPixels(after), 0);
    }
}

}  // namespace
}  // namespace qm::test
