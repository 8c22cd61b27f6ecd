// Commands 40013, 40014 and 40021: automatic levels from the bands' statistics,
// the refusals, and the link's check mark.
#include <gtest/gtest.h>

#include <array>

#include "band/histogram.h"
#include "res/resource.h"
#include "tests/support/message_capture.h"
#include "tests/win32/main_window_fixture.h"
#include "view/texts.h"

namespace qm::test {
namespace {

using LevelCommandTest = MainWindowTest;

struct Pair {
    int low;
    int high;
};

// Three bands shown, each with the given mean and deviation in its histogram.
class AutoLevelTest : public MainWindowTest {
  protected:
    void showThree() {
        for (int b = 0; b < 3; ++b)
            bands[b] = makeBand("B" + std::to_string(b) + ".FST", 6, 4, [b](int line, int column) {
                return static_cast<std::uint8_t>(50 * b + line + column);
            });
        show(IDM_THREE_BAND_MODE, bands[0], bands[1], bands[2]);
    }
    void setStatistics(const std::array<int, 3>& means, const std::array<int, 3>& deviations) {
        for (int b = 0; b < 3; ++b) {
            bands[b]->histogram()->mean = means[b];
            bands[b]->histogram()->deviation = deviations[b];
        }
    }

    std::array<BandImage*, 3> bands{};
};

// `high` is neither limited nor kept above `low`; the pairs reach the histograms.
TEST_F(AutoLevelTest, SetsThePairsFromMeansAndDeviations) {
    const struct {
        std::array<int, 3> means;
        std::array<int, 3> deviations;
        std::array<Pair, 3> pairs;
    } cases[] = {
        {{80, 90, 100}, {20, 25, 30}, {{{60, 123}, {65, 142}, {70, 160}}}},
        {{60, 70, 80}, {10, 10, 10}, {{{50, 260}, {60, 297}, {70, 334}}}},
        {{200, 100, 100}, {1, 200, 200}, {{{199, 33}, {0, 49}, {0, 49}}}},
        {{300, 20, 128}, {10, 10, 10}, {{{255, 1151}, {10, 111}, {118, 512}}}},
    };
    MessageCapture boxes;
    showThree();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "means " << c.means[0] << "," << c.means[1] << "," << c.means[2]);
        setStatistics(c.means, c.deviations);
        command(IDM_AUTO_LEVEL_TRUE_COLOUR);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(main_.levels()[i].low, c.pairs[i].low) << i;
            EXPECT_EQ(main_.levels()[i].high, c.pairs[i].high) << i;
            EXPECT_EQ(bands[i]->histogram()->lowLevel, c.pairs[i].low) << i;
            EXPECT_EQ(bands[i]->histogram()->highLevel, c.pairs[i].high) << i;
        }
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(AutoLevelTest, RefusesWithoutThreeBandsAndKeepsTheLevels) {
    showThree();
    const ChannelLevels before{{{200, 10}, {150, 20}, {120, 30}}};
    const struct {
        const char* name;
        int modeCommand;
        bool thirdBand;
    } cases[] = {{"single-band mode", IDM_SINGLE_BAND_MODE, true},
                 {"blue without a band", IDM_THREE_BAND_MODE, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        show(c.modeCommand, bands[0], bands[1], c.thirdBand ? bands[2] : nullptr);
        main_.levels() = before;
        MessageCapture boxes;
        command(IDM_AUTO_LEVEL_TRUE_COLOUR);
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_EQ(boxes.boxes()[0].text, texts::kThreeBandsNeeded);
        EXPECT_EQ(boxes.boxes()[0].caption, texts::kThreeBandsNeededCaption);
        EXPECT_EQ(boxes.boxes()[0].owner, nullptr);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(main_.levels()[i].high, before[i].high) << i;
    }
}

bool checked(HWND window) {
    return GetMenuState(GetMenu(window), IDM_LINK_LEVELS, MF_BYCOMMAND) & MF_CHECKED;
}

TEST_F(LevelCommandTest, LinkTogglesOnlyItsCheckMark) {
    main_.levels() = ChannelLevels{{{200, 10}, {150, 20}, {120, 30}}};
    ASSERT_FALSE(checked(window()));
    command(IDM_LINK_LEVELS);
    EXPECT_TRUE(checked(window()));
    EXPECT_TRUE(main_.linkLevels());
    command(IDM_LINK_LEVELS);
    EXPECT_FALSE(checked(window()));
    EXPECT_FALSE(main_.linkLevels());
    EXPECT_EQ(main_.levels()[1].high, 150);
}

}  // namespace
}  // namespace qm::test
