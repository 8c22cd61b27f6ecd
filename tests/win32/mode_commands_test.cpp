// Commands 40008 and 40009: the menu offers the other mode, channels 1 and 2 are
// hidden or shown with their levels reset, and the view starts empty.
#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"
#include "tests/win32/main_window_fixture.h"

namespace qm::test {
namespace {

using ModeCommandTest = MainWindowTest;

bool grayed(HWND window, UINT item) {
    return GetMenuState(GetMenu(window), item, MF_BYCOMMAND) & MF_GRAYED;
}

void expectChannelControlsVisible(HWND window, int channel, bool visible) {
    for (const int id : {100 + channel, 103 + channel, 106 + channel}) {
        EXPECT_EQ(IsWindowVisible(GetDlgItem(window, id)) != FALSE, visible) << "control " << id;
    }
}

TEST_F(ModeCommandTest, SwitchesHideAndShowChannelsOneAndTwo) {
    for (const int mode : {IDM_SINGLE_BAND_MODE, IDM_THREE_BAND_MODE}) {
        const bool single = mode == IDM_SINGLE_BAND_MODE;
        SCOPED_TRACE(single ? "single-band mode" : "three-band mode");
        main_.levels() = ChannelLevels{{{200, 10}, {150, 20}, {120, 30}}};
        for (int id = 100; id <= 102; ++id)
            SendMessageA(control(id), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);

        command(mode);

        EXPECT_EQ(grayed(window(), IDM_SINGLE_BAND_MODE), single);
        EXPECT_EQ(grayed(window(), IDM_THREE_BAND_MODE), !single);
        EXPECT_EQ(main_.view().mode(), single ? DisplayMode::SingleBand : DisplayMode::ThreeBand);
        expectChannelControlsVisible(window(), 0, true);
        for (int channel = 1; channel < 3; ++channel) {
            expectChannelControlsVisible(window(), channel, !single);
            EXPECT_EQ(main_.levels()[channel].high, 255);
            EXPECT_EQ(main_.levels()[channel].low, 0);
        }
        EXPECT_EQ(main_.levels()[0].high, 200);
        EXPECT_EQ(main_.levels()[0].low, 10);
        for (int id = 100; id <= 102; ++id)
            EXPECT_EQ(SendMessageA(control(id), CB_GETCURSEL, 0, 0), 0) << "chooser " << id;
    }
}

// Either switch lets go of the bands and their pixels; the band change brings them back.
TEST_F(ModeCommandTest, SwitchEmptiesTheView) {
    BandImage* band = makeBand("R.FST", 8, 6, [](int, int) { return std::uint8_t{9}; });
    show(IDM_THREE_BAND_MODE, band, band, band);
    ASSERT_NE(band->pixels(), nullptr);
    command(IDM_SINGLE_BAND_MODE);
    for (int channel = 0; channel < 3; ++channel)
        EXPECT_EQ(main_.view().channel(channel), nullptr);
    EXPECT_EQ(band->pixels(), nullptr);
    EXPECT_EQ(main_.view().pixelCount(), 0);
}

}  // namespace
}  // namespace qm::test
