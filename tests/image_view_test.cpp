// The image view's state: which bands feed the channels, when they are loaded and
// freed, zoom, scroll origin and the display buffer's layout.
#include <gtest/gtest.h>

#include <functional>

#include <memory>
#include <string>

#include "band/band_image.h"
#include "paths/paths.h"
#include "platform/window.h"
#include "tests/support/message_capture.h"
#include "tests/support/temp_dir.h"
#include "view/image_view.h"
#include "view/texts.h"

namespace qm {
namespace {

class ImageViewTest : public testing::Test {
  protected:
    void TearDown() override { platform::setClientSizeHandler({}); }

    // A fast-format band of the given size, every pixel `value`.
    std::unique_ptr<BandImage> makeBand(const std::string& name, int pixelsPerLine, int lines,
                                        char value = 7) {
        const std::string path = dir_.writeFile(
            name, std::string(static_cast<std::size_t>(pixelsPerLine) * lines, value));
        auto band = std::make_unique<BandImage>();
        EXPECT_TRUE(band->setPath(path));
        EXPECT_EQ(band->readGeometry(BandFormat::Fast, dir_.path("QMDATA.INI"), "SAT1", "OPT",
                                     pixelsPerLine, lines),
                  std::nullopt);
        return band;
    }

    // A band whose file has gone after its geometry was read: its load fails.
    std::unique_ptr<BandImage> makeUnloadableBand(const std::string& name) {
        auto band = makeBand(name, 4, 3);
        std::filesystem::remove(dir_.native(name));
        return band;
    }

    test::TempDir dir_;
};

TEST_F(ImageViewTest, SingleBandModeShowsTheFirstBandOnAllThreeChannels) {
    auto grey = makeBand("G_B1.FST", 5, 4);
    auto unused = makeBand("U_B2.FST", 5, 4);
    ImageView view;
    view.setMode(DisplayMode::SingleBand);
    view.setChannels(grey.get(), unused.get(), nullptr);

    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(view.shownBand(k), grey.get()) << k;
    EXPECT_EQ(view.pixelCount(), 20);
    EXPECT_EQ(unused->pixels(), nullptr);
}

TEST_F(ImageViewTest, ThreeBandModeKeepsAnEmptyChannelAndTheLastBandsGeometry) {
    auto red = makeBand("R_B1.FST", 8, 2);
    auto blue = makeBand("B_B3.FST", 5, 4);
    ImageView view;
    view.setMode(DisplayMode::ThreeBand);
    view.setChannels(red.get(), nullptr, blue.get());

    EXPECT_EQ(view.channel(0), red.get());
    EXPECT_EQ(view.channel(1), nullptr);
    EXPECT_EQ(view.channel(2), blue.get());
    EXPECT_NE(red->pixels(), nullptr);
    EXPECT_EQ(view.pixelsPerLine(), 5);
    EXPECT_EQ(view.lineCount(), 4);
    EXPECT_EQ(view.pixelCount(), 20);
}

TEST_F(ImageViewTest, WithoutAModeNothingIsAssignedOrLoaded) {
    auto band = makeBand("A_B1.FST", 5, 4);
    ImageView view;
    view.setChannels(band.get(), band.get(), band.get());

    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(view.channel(k), nullptr);
    EXPECT_EQ(view.pixelCount(), 0);
    EXPECT_EQ(band->pixels(), nullptr);
    EXPECT_FALSE(view.prepareBuffer(10, 10));
}

TEST_F(ImageViewTest, AssigningBandsStartsAgainAtZoomOneAndTheTopLeft) {
    auto band = makeBand("A_B1.FST", 5, 4);
    ImageView view;
    view.setMode(DisplayMode::SingleBand);
    view.setChannels(band.get(), nullptr, nullptr);
    view.setZoom(4);
    view.setOrigin(3, 2);
    view.setChannels(band.get(), nullptr, nullptr);

    EXPECT_EQ(view.zoom(), 1);
    EXPECT_EQ(view.scrollX(), 0);
    EXPECT_EQ(view.scrollY(), 0);
}

TEST_F(ImageViewTest, ModeChangeFreesThePixelsButKeepsZoomOriginAndHistogram) {
    auto band = makeBand("A_B1.FST", 5, 4);
    ImageView view;
    view.setMode(DisplayMode::SingleBand);
    view.setChannels(band.get(), nullptr, nullptr);
    view.setZoom(3);
    view.setOrigin(2, 1);
    view.setMode(DisplayMode::ThreeBand);

    EXPECT_EQ(band->pixels(), nullptr);
    EXPECT_NE(band->histogram(), nullptr);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(view.channel(k), nullptr);
    EXPECT_EQ(view.pixelCount(), 0);
    EXPECT_EQ(view.zoom(), 3);
    EXPECT_EQ(view.scrollX(), 2);
    EXPECT_EQ(view.scrollY(), 1);
}

TEST_F(ImageViewTest, FailedLoadIsReportedOnceAndLaterChannelsStayUnloaded) {
    auto red = makeBand("R_B1.FST", 5, 4);
    auto green = makeUnloadableBand("G_B2.FST");
    auto blue = makeBand("B_B3.FST", 5, 4);
    test::MessageCapture capture;
    ImageView view;
    view.setMode(DisplayMode::ThreeBand);
    view.setChannels(red.get(), green.get(), blue.get());

    ASSERT_EQ(capture.boxes().size(), 1u);
    EXPECT_EQ(capture.boxes()[0].owner, nullptr);
    EXPECT_EQ(capture.boxes()[0].text, texts::kLoadFailed);
    EXPECT_EQ(capture.boxes()[0].caption, "ERROR");
    EXPECT_EQ(capture.boxes()[0].style, platform::kMbIconError);
    EXPECT_EQ(view.shownBand(0), red.get());
    // The failing band stays assigned but is never treated as showable.
    EXPECT_EQ(view.channel(1), green.get());
    EXPECT_EQ(view.shownBand(1), nullptr);
    EXPECT_EQ(blue->pixels(), nullptr);
    EXPECT_EQ(view.shownBand(2), nullptr);
    EXPECT_EQ(view.pixelCount(), 12);
}

TEST_F(ImageViewTest, NegativeOriginCoordinatesLeaveThatCoordinate) {
    struct Case {
        int x, y, expectedX, expectedY;
    };
    const Case cases[] = {{-1, 40, 7, 40}, {0, -5, 0, 9}, {-1, -1, 7, 9}, {12, 0, 12, 0}};
    for (const Case& c : cases) {
        ImageView view;
        view.setOrigin(7, 9);
        view.setOrigin(c.x, c.y);
        EXPECT_EQ(view.scrollX(), c.expectedX) << c.x << "," << c.y;
        EXPECT_EQ(view.scrollY(), c.expectedY) << c.x << "," << c.y;
    }
}

TEST_F(ImageViewTest, ChannelOutsideTheThreeIsNone) {
    auto band = makeBand("A_B1.FST", 2, 2);
    ImageView view;
    view.setMode(DisplayMode::SingleBand);
    view.setChannels(band.get(), nullptr, nullptr);
    EXPECT_EQ(view.channel(3), nullptr);
    EXPECT_EQ(view.channel(-1), nullptr);
    EXPECT_EQ(view.shownBand(3), nullptr);
}

TEST_F(ImageViewTest, FitToWindowDividesByTheFreeAreaAndAddsOne) {
    struct Case {
        const char* what;
        int pixelsPerLine, lines;  // the picture
        int outputWidth, outputHeight;
        int clientWidth, clientHeight;
        int expectedZoom;  // the view starts at 5
    };
    const Case cases[] = {
        {"lines fit the height", 6, 6000, 700, 500, 971, 551, 12},
        {"taller image fits the columns", 6000, 6, 500, 700, 971, 551, 9},
        {"exact division still adds one", 1000, 2, 500, 700, 756, 551, 3},
        {"no free width", 1000, 2, 500, 700, 256, 551, 5},
        {"no free height", 2, 1000, 700, 500, 971, 36, 5},
    };
    for (const Case& c : cases) {
        platform::setClientSizeHandler([&](void*) {
            return platform::ClientSize{c.clientWidth, c.clientHeight};
        });
        auto band = makeBand("F_B1.FST", c.pixelsPerLine, c.lines);
        ImageView view;
        view.setMode(DisplayMode::SingleBand);
        view.setChannels(band.get(), nullptr, nullptr);
        ASSERT_TRUE(view.prepareBuffer(c.outputWidth, c.outputHeight)) << c.what;
        view.setZoom(5);
        view.fitToWindow();
        EXPECT_EQ(view.zoom(), c.expectedZoom) << c.what;
    }
}

TEST_F(ImageViewTest, FitToWindowBeforeTheFirstDisplayKeepsTheZoom) {
    platform::setClientSizeHandler([](void*) { return platform::ClientSize{971, 551}; });
    auto band = makeBand("F_B1.FST", 6, 6000);
    ImageView view;
    view.setMode(DisplayMode::SingleBand);
    view.setChannels(band.get(), nullptr, nullptr);
    view.setZoom(2);
    view.fitToWindow();
    EXPECT_EQ(view.zoom(), 2);
}

// A band without a picture (no line, no pixel, or two negative counts, whose
// product is positive) fails to load and shows nothing; the negative geometry it
// leaves in the view gives fitting no zoom below 1.
TEST_F(ImageViewTest, BandWithoutAPictureShowsNothingAndLeavesTheZoom) {
    platform::setClientSizeHandler([](void*) { return platform::ClientSize{971, 551}; });
    const struct {
        int pixelsPerLine, lines;
    } cases[] = {{6, 0}, {0, 6000}, {6, -6000}, {-6, -6000}};
    auto picture = makeBand("F_B1.FST", 6, 6000);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.pixelsPerLine) + " x " + std::to_string(c.lines));
        BandImage empty;
        ASSERT_TRUE(empty.setPath(dir_.writeFile("E_B2.FST", "")));
        ASSERT_EQ(empty.readGeometry(BandFormat::Fast, dir_.path("QMDATA.INI"), "SAT1", "OPT",
                                     c.pixelsPerLine, c.lines),
                  std::nullopt);
        test::MessageCapture capture;
        ImageView view;
        view.setMode(DisplayMode::SingleBand);
        view.setChannels(picture.get(), nullptr, nullptr);
        ASSERT_TRUE(view.prepareBuffer(700, 500));  // the last display image was wider than tall

        view.setChannels(&empty, nullptr, nullptr);
        ASSERT_EQ(capture.boxes().size(), 1u);
        EXPECT_EQ(capture.boxes()[0].text, texts::kLoadFailed);
        EXPECT_EQ(view.pixelCount(), 0);
        EXPECT_FALSE(view.prepareBuffer(700, 500));
        view.setZoom(2);
        view.fitToWindow();
        EXPECT_EQ(view.zoom(), 2);
    }
}

TEST_F(ImageViewTest, DisplayRowsArePaddedToFourBytes) {
    struct Case {
        int width, height, padding, stride;
    };
    const Case cases[] = {{1, 3, 1, 4}, {2, 3, 2, 8}, {3, 3, 3, 12}, {4, 3, 0, 12}, {5, 2, 1, 16}};
    auto band = makeBand("A_B1.FST", 5, 4);
    ImageView view;
    view.setMode(DisplayMode::SingleBand);
    view.setChannels(band.get(), nullptr, nullptr);
    for (const Case& c : cases) {
        ASSERT_TRUE(view.prepareBuffer(c.width, c.height)) << c.width;
        EXPECT_EQ(view.rowPadding(), c.padding) << c.width;
        EXPECT_EQ(view.rowStride(), c.stride) << c.width;
        EXPECT_EQ(view.bufferSize(), c.stride * c.height) << c.width;
        const std::uint8_t* bits = view.displayBits();
        for (int i = 0; i < view.bufferSize(); ++i)
            ASSERT_EQ(bits[i], 0) << c.width << " @" << i;
    }
}

TEST_F(ImageViewTest, DisplayBufferOfNoOrAbsurdSizeIsRefused) {
    auto band = makeBand("A_B1.FST", 5, 4);
    ImageView view;
    view.setMode(DisplayMode::SingleBand);
    view.setChannels(band.get(), nullptr, nullptr);
    for (auto [width, height] : {std::pair{0, 10}, {10, -1}, {100000, 100000}}) {
        EXPECT_FALSE(view.prepareBuffer(width, height)) << width << "x" << height;
        EXPECT_EQ(view.displayBits(), nullptr);
        EXPECT_EQ(view.bufferSize(), 0);
    }
}

// The key says when a kept display image may be shown again: every change that
// can change the composed bytes changes it (bands chosen anew always do: their
// pixels may have been read again), and repeating a setting does not.
TEST_F(ImageViewTest, CompositionKeyChangesWithEverythingTheImageShows) {
    const auto red = makeBand("R_B1.FST", 6, 4, 10);
    const auto green = makeBand("G_B2.FST", 6, 4, 20);
    const auto other = makeBand("O_B3.FST", 6, 4, 30);
    const struct {
        const char* what;
        std::function<void(ImageView&)> change;
        bool changesKey;
    } cases[] = {
        {"nothing", [](ImageView&) {}, false},
        {"the same levels again", [](ImageView& v) { v.applyLevels(ChannelLevels{}); }, false},
        {"the same origin again", [](ImageView& v) { v.setOrigin(0, 0); }, false},
        {"zoom", [](ImageView& v) { v.setZoom(2); }, true},
        {"origin", [](ImageView& v) { v.setOrigin(1, -1); }, true},
        {"levels",
         [](ImageView& v) {
             v.applyLevels(ChannelLevels{{{200, 5}}});
         },
         true},
        {"display size", [](ImageView& v) { v.prepareBuffer(9, 3); }, true},
        {"another band", [&](ImageView& v) { v.setChannels(other.get(), green.get(), nullptr); },
         true},
        {"the same bands again",
         [&](ImageView& v) { v.setChannels(red.get(), green.get(), nullptr); }, true},
        {"a channel let go", [](ImageView& v) { v.releaseChannel(1); }, true},
        {"mode", [](ImageView& v) { v.setMode(DisplayMode::SingleBand); }, true},
    };
    for (const auto& c : cases) {
        ImageView view;
        view.setMode(DisplayMode::ThreeBand);
        view.setChannels(red.get(), green.get(), nullptr);
        view.applyLevels(ChannelLevels{});
        ASSERT_TRUE(view.prepareBuffer(8, 3));
        const CompositionKey before = view.compositionKey();
        c.change(view);
        EXPECT_EQ(view.compositionKey() != before, c.changesKey) << c.what;
    }
}

}  // namespace
}  // namespace qm
