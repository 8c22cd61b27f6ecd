// The pixel readout: the values it names are the band values drawn at the point,
// read from the bottom-up buffers, and a channel without a pixel shows "-".
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "band/band_image.h"
#include "paths/paths.h"
#include "tests/support/temp_dir.h"
#include "view/image_view.h"
#include "view/layout.h"
#include "view/pixel_readout.h"

namespace qm {
namespace {

constexpr int kWidth = 6;
constexpr int kHeight = 4;

// Band b's value at a line from the top of its picture and a column.
std::uint8_t value(int band, int line, int column) {
    return static_cast<std::uint8_t>(50 * band + 10 * line + column + 1);
}

std::string number(int band, int line, int column) {
    return std::to_string(value(band, line, column));
}

class PixelReadoutTest : public testing::Test {
  protected:
    // A fast-format band: its file holds the top line first.
    BandImage* makeBand(int band, int lines) {
        std::string bytes;
        for (int line = 0; line < lines; ++line) {
            for (int column = 0; column < kWidth; ++column)
                bytes.push_back(static_cast<char>(value(band, line, column)));
        }
        const std::string name = "S_B" + std::to_string(band) + "0.FST";
        auto image = std::make_unique<BandImage>();
        EXPECT_TRUE(image->setPath(dir_.writeFile(name, bytes)));
        EXPECT_EQ(image->readGeometry(BandFormat::Fast, dir_.path("QMDATA.INI"), "SAT1", "OPT",
                                      kWidth, lines),
                  std::nullopt);
        bands_.push_back(std::move(image));
        return bands_.back().get();
    }

    // What the view shows at a picture column and line at zoom 1, origin (0, 0).
    std::string readoutAt(int column, int line) const {
        const PictureGeometry picture = pictureGeometry(view_, 100, 100);
        return pixelReadout(view_, sourcePixelAt(picture, layout::kControlPanelWidth + column,
                                                 layout::kToolbarHeight + line));
    }

    test::TempDir dir_;
    std::vector<std::unique_ptr<BandImage>> bands_;
    ImageView view_;
};

TEST_F(PixelReadoutTest, ColourPicturesNameEachChannelsValue) {
    // Red holds only two lines: its buffer ends before the top lines' indices, which
    // the composition draws black. Blue, loaded last, gives the picture's geometry.
    BandImage* red = makeBand(1, 2);
    BandImage* blue = makeBand(3, kHeight);
    view_.setMode(DisplayMode::ThreeBand);
    view_.setChannels(red, nullptr, blue);

    struct Case {
        int column;
        int line;
        std::string expected;
    };
    const Case cases[] = {
        // Red's buffer line 0 is its own bottom line, line 1 of its file.
        {0, 3, "X 0  Y 3  R " + number(1, 1, 0) + " G - B " + number(3, 3, 0)},
        {5, 2, "X 5  Y 2  R " + number(1, 0, 5) + " G - B " + number(3, 2, 5)},
        {5, 1, "X 5  Y 1  R - G - B " + number(3, 1, 5)},
        {0, 0, "X 0  Y 0  R - G - B " + number(3, 0, 0)},
        {6, 0, ""},
        {0, 4, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.column) + ", " + std::to_string(c.line));
        EXPECT_EQ(readoutAt(c.column, c.line), c.expected);
    }
}

TEST_F(PixelReadoutTest, GreyPicturesNameOneValue) {
    BandImage* grey = makeBand(2, kHeight);
    view_.setMode(DisplayMode::SingleBand);
    view_.setChannels(grey, nullptr, nullptr);

    EXPECT_EQ(readoutAt(0, 0), "X 0  Y 0  V " + number(2, 0, 0));
    EXPECT_EQ(readoutAt(5, 3), "X 5  Y 3  V " + number(2, 3, 5));
}

TEST_F(PixelReadoutTest, NothingShownGivesNoText) {
    BandImage* grey = makeBand(2, kHeight);
    view_.setMode(DisplayMode::ThreeBand);
    view_.setChannels(grey, nullptr, nullptr);
    EXPECT_EQ(pixelReadout(view_, std::nullopt), "");

    view_.setMode(DisplayMode::ThreeBand);
    EXPECT_EQ(pixelReadout(view_, SourcePixel{0, 0, 0}), "");
}

}  // namespace
}  // namespace qm
