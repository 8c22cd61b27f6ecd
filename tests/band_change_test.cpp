// The band change and the automatic levels as the viewer's commands run them: the
// size check, which pixels are freed, the level pairs and their messages.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "band/band_image.h"
#include "band/histogram.h"
#include "paths/paths.h"
#include "tests/support/message_capture.h"
#include "tests/support/product_files.h"
#include "tests/support/temp_dir.h"
#include "view/band_change.h"
#include "view/image_view.h"
#include "view/texts.h"

namespace qm {
namespace {

// Record framing with no prefix, suffix or fill: a record of n bytes holds n - 12
// pixels after its header.
constexpr char kConfiguration[] =
    "[SAT1OPT]\r\nPrefixPos=20\r\nPrefixSize=4\r\nSuffixPos=24\r\nSuffixSize=4\r\n";

void* const kOwner = reinterpret_cast<void*>(0x1234);

class BandChangeTest : public testing::Test {
  protected:
    void SetUp() override { dir_.writeFile("QMDATA.INI", kConfiguration); }

    // A fast-format band whose pixels run 1, 2, 3, ... so no histogram bar is cut.
    BandImage* fastBand(const std::string& name, int pixelsPerLine, int lines) {
        std::string pixels(static_cast<std::size_t>(pixelsPerLine) * lines, '\0');
        for (std::size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = static_cast<char>(i % 250 + 1);
        return keep(dir_.writeFile(name, pixels), BandFormat::Fast, pixelsPerLine, lines);
    }

    BandImage* recordBand(const std::string& name, std::uint32_t recordLength,
                          std::size_t records) {
        const test::RecordBand file{recordLength, records, "   0", "   0", {0, 0}, {0, 0}};
        return keep(dir_.writeFile(name, file.bytes()), BandFormat::Record, 0, 0);
    }

    // A band whose file has gone after its geometry was read: it never loads.
    BandImage* unloadableBand(const std::string& name, int pixelsPerLine, int lines) {
        BandImage* band = fastBand(name, pixelsPerLine, lines);
        std::filesystem::remove(dir_.native(name));
        return band;
    }

    // Shows the bands in three-band mode with the default pairs.
    void showThree(BandImage* red, BandImage* green, BandImage* blue) {
        ChannelLevels levels;
        view_.setMode(DisplayMode::ThreeBand);
        ASSERT_TRUE(changeBands(view_, {red, green, blue}, levels, kOwner));
    }

    test::TempDir dir_;
    ImageView view_;

  private:
    BandImage* keep(const std::string& path, BandFormat format, int pixels, int lines) {
        bands_.push_back(std::make_unique<BandImage>());
        BandImage* band = bands_.back().get();
        EXPECT_TRUE(band->setPath(path));
        EXPECT_EQ(band->readGeometry(format, dir_.path("QMDATA.INI"), "SAT1", "OPT", pixels, lines),
                  std::nullopt);
        return band;
    }

    std::vector<std::unique_ptr<BandImage>> bands_;
};

void expectLevels(const ChannelLevels& levels, const ChannelLevels& expected) {
    for (std::size_t i = 0; i < levels.size(); ++i) {
        EXPECT_EQ(levels[i].high, expected[i].high) << "channel " << i;
        EXPECT_EQ(levels[i].low, expected[i].low) << "channel " << i;
    }
}

TEST_F(BandChangeTest, BandsOfDifferentSizesAreRefusedAndNothingChanges) {
    BandImage* shown = fastBand("SHOWN_B1.FST", 5, 4);
    showThree(shown, nullptr, nullptr);
    const struct {
        const char* name;
        BandImage* first;
        BandImage* second;
    } cases[] = {
        {"file sizes differ", fastBand("A_B1.FST", 5, 4), fastBand("B_B2.FST", 6, 4)},
        // Both files hold 8800 bytes: 10 lines of 788 pixels against 9 of 868.
        {"same file size, other geometry", recordBand("C_B1.DAT", 800, 11),
         recordBand("D_B2.DAT", 880, 10)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(c.first->fileSize() == c.second->fileSize(),
                  std::string(c.name) != "file sizes differ");
        ChannelLevels levels{{{200, 10}, {190, 20}, {180, 30}}};
        test::MessageCapture capture;

        EXPECT_FALSE(changeBands(view_, {c.first, nullptr, c.second}, levels, kOwner));

        ASSERT_EQ(capture.boxes().size(), 1u);
        EXPECT_EQ(capture.boxes()[0].owner, kOwner);
        EXPECT_EQ(capture.boxes()[0].text, texts::kDifferentSizes);
        EXPECT_EQ(capture.boxes()[0].caption, "ERROR");
        EXPECT_EQ(capture.boxes()[0].style, platform::kMbIconError);
        expectLevels(levels, {{{200, 10}, {190, 20}, {180, 30}}});
        EXPECT_EQ(view_.channel(0), shown);
        EXPECT_EQ(view_.channel(2), nullptr);
        EXPECT_NE(shown->pixels(), nullptr);
        EXPECT_EQ(c.first->pixels(), nullptr);
        EXPECT_EQ(c.second->pixels(), nullptr);
    }
}

TEST_F(BandChangeTest, FreesOnlyTheBandsNotChosenAgainAndAppliesTheFullRange) {
    BandImage* red = fastBand("R_B1.FST", 5, 4);
    BandImage* green = fastBand("G_B2.FST", 5, 4);
    BandImage* blue = fastBand("B_B3.FST", 5, 4);
    BandImage* fresh = fastBand("N_B4.FST", 5, 4);
    showThree(red, green, blue);
    const std::uint8_t* greenPixels = green->pixels();
    green->histogram()->lowLevel = 50;
    green->histogram()->highLevel = 150;
    ChannelLevels levels{{{200, 10}, {190, 20}, {180, 30}}};

    // Green moves to the red channel; red and blue are let go.
    EXPECT_TRUE(changeBands(view_, {green, fresh, nullptr}, levels, kOwner));

    EXPECT_EQ(red->pixels(), nullptr);
    EXPECT_EQ(blue->pixels(), nullptr);
    EXPECT_EQ(green->pixels(), greenPixels);  // kept, not read again
    EXPECT_NE(fresh->pixels(), nullptr);
    EXPECT_EQ(view_.channel(0), green);
    EXPECT_EQ(view_.channel(1), fresh);
    EXPECT_EQ(view_.channel(2), nullptr);
    expectLevels(levels, {{{255, 0}, {255, 0}, {255, 0}}});
    for (const BandImage* band : {green, fresh}) {
        EXPECT_EQ(band->histogram()->lowLevel, 0);
        EXPECT_EQ(band->histogram()->highLevel, 255);
    }
}

TEST_F(BandChangeTest, SingleBandModeShowsTheFirstChoiceAndFreesTheOneBefore) {
    BandImage* before = fastBand("A_B1.FST", 5, 4);
    BandImage* grey = fastBand("B_B2.FST", 5, 4);
    ChannelLevels levels;
    view_.setMode(DisplayMode::SingleBand);
    ASSERT_TRUE(changeBands(view_, {before, nullptr, nullptr}, levels, kOwner));
    levels[0] = {100, 40};
    view_.applyLevels(levels);

    EXPECT_TRUE(changeBands(view_, {grey, nullptr, nullptr}, levels, kOwner));

    EXPECT_EQ(before->pixels(), nullptr);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(view_.shownBand(k), grey) << k;
    expectLevels(levels, {{{255, 0}, {255, 0}, {255, 0}}});
    EXPECT_EQ(grey->histogram()->lowLevel, 0);
    EXPECT_EQ(grey->histogram()->highLevel, 255);
}

TEST_F(BandChangeTest, TrueColourLevelsOfTheWorkedExample) {
    BandImage* red = fastBand("R_B1.FST", 5, 4);
    BandImage* green = fastBand("G_B2.FST", 5, 4);
    BandImage* blue = fastBand("B_B3.FST", 5, 4);
    showThree(red, green, blue);
    const int means[] = {80, 90, 100};
    const int deviations[] = {20, 25, 30};
    for (int k = 0; k < 3; ++k) {
        view_.channel(k)->histogram()->mean = means[k];
        view_.channel(k)->histogram()->deviation = deviations[k];
    }
    ChannelLevels levels;

    EXPECT_TRUE(applyTrueColourLevels(view_, levels));

    // (low, high) pairs (60, 123), (65, 142), (70, 160), held high first.
    expectLevels(levels, {{{123, 60}, {142, 65}, {160, 70}}});
    const int lows[] = {60, 65, 70};
    const int highs[] = {123, 142, 160};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(view_.channel(k)->histogram()->lowLevel, lows[k]) << k;
        EXPECT_EQ(view_.channel(k)->histogram()->highLevel, highs[k]) << k;
    }
}

TEST_F(BandChangeTest, TrueColourLevelsAreRefusedWithTheirMessages) {
    enum class Green { None, Loads, FailsToLoad };
    struct Refusal {
        const char* name;
        DisplayMode mode;
        Green green;
        const char* text;
        const char* caption;
        unsigned style;
    };
    const Refusal cases[] = {
        {"single-band mode", DisplayMode::SingleBand, Green::Loads, texts::kThreeBandsNeeded,
         texts::kThreeBandsNeededCaption, platform::kMbOk},
        {"a channel without a band", DisplayMode::ThreeBand, Green::None, texts::kThreeBandsNeeded,
         texts::kThreeBandsNeededCaption, platform::kMbOk},
        {"a band without a histogram", DisplayMode::ThreeBand, Green::FailsToLoad,
         texts::kNoHistogram, "ERROR", platform::kMbIconError},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.name);
        BandImage* red = fastBand("R_B1.FST", 5, 4);
        BandImage* green = nullptr;
        if (c.green == Green::Loads)
            green = fastBand("G_B2.FST", 5, 4);
        else if (c.green == Green::FailsToLoad)
            green = unloadableBand("G_B2.FST", 5, 4);
        BandImage* blue = fastBand("B_B3.FST", 5, 4);
        ImageView view;
        view.setMode(c.mode);
        {
            test::MessageCapture loadFailure;  // the view reports a band that fails to load
            view.setChannels(red, green, blue);
        }
        ChannelLevels levels{{{200, 10}, {190, 20}, {180, 30}}};
        view.applyLevels(levels);
        test::MessageCapture capture;

        EXPECT_FALSE(applyTrueColourLevels(view, levels));

        ASSERT_EQ(capture.boxes().size(), 1u);
        EXPECT_EQ(capture.boxes()[0].owner, nullptr);
        EXPECT_EQ(capture.boxes()[0].text, c.text);
        EXPECT_EQ(capture.boxes()[0].caption, c.caption);
        EXPECT_EQ(capture.boxes()[0].style, c.style);
        expectLevels(levels, {{{200, 10}, {190, 20}, {180, 30}}});
        EXPECT_EQ(red->histogram()->highLevel, 200);
        EXPECT_EQ(red->histogram()->lowLevel, 10);
    }
}

// Only channels the mode shows and whose band loaded are stretched, without a box;
// the others keep their pairs. Red's band has mean 100 and deviation 30.
TEST_F(BandChangeTest, StretchesSetTheShownChannelsWithALoadedBand) {
    const ChannelLevels before{{{200, 10}, {190, 20}, {180, 30}}};
    const struct {
        const char* name;
        DisplayMode mode;
        bool greenLoads;  // red always loads; a green that fails ends the assignment
        ChannelLevels expected;
    } cases[] = {
        {"single-band mode", DisplayMode::SingleBand, true, {{{130, 70}, {190, 20}, {180, 30}}}},
        {"green fails to load", DisplayMode::ThreeBand, false, {{{130, 70}, {190, 20}, {180, 30}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BandImage* red = fastBand("R_B1.FST", 5, 4);
        BandImage* green =
            c.greenLoads ? fastBand("G_B2.FST", 5, 4) : unloadableBand("G_B2.FST", 5, 4);
        ImageView view;
        view.setMode(c.mode);
        {
            test::MessageCapture loadFailure;
            view.setChannels(red, green, fastBand("B_B3.FST", 5, 4));
        }
        red->histogram()->mean = 100;
        red->histogram()->deviation = 30;
        ChannelLevels levels = before;
        test::MessageCapture capture;

        EXPECT_TRUE(applyDeviationLevels(view, levels, 1.0));

        EXPECT_TRUE(capture.boxes().empty());
        expectLevels(levels, c.expected);
        EXPECT_EQ(red->histogram()->lowLevel, 70);  // applied to the view
    }
    ImageView nothingShown;
    nothingShown.setMode(DisplayMode::ThreeBand);
    ChannelLevels levels = before;
    EXPECT_FALSE(applyDeviationLevels(nothingShown, levels, 1.0));
    expectLevels(levels, before);
}

}  // namespace
}  // namespace qm
