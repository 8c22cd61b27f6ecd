// What the view puts on screen and into a file: the composed display buffer against
// a direct per-pixel evaluation of the display rule, and the exported picture.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "band/band_image.h"
#include "band/histogram.h"
#include "paths/paths.h"
#include "platform/platform.h"
#include "tests/support/temp_dir.h"
#include "view/image_view.h"
#include "view/levels.h"

namespace qm {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Pixel values that differ along both axes, so a wrong line or column shows.
std::uint8_t patternAt(int line, int column, int seed) {
    return static_cast<std::uint8_t>(line * 7 + column * 3 + seed * 50);
}

class ImageViewOutputTest : public testing::Test {
  protected:
    // A fast-format band: buffer line r is file record lines - 1 - r, so the file
    // is written top line first.
    BandImage* makeBand(const std::string& name, int pixelsPerLine, int lines, int seed) {
        std::string bytes;
        for (int record = 0; record < lines; ++record) {
            const int bufferLine = lines - 1 - record;
            for (int column = 0; column < pixelsPerLine; ++column)
                bytes.push_back(static_cast<char>(patternAt(bufferLine, column, seed)));
        }
        auto band = std::make_unique<BandImage>();
        EXPECT_TRUE(band->setPath(dir_.writeFile(name, bytes)));
        EXPECT_EQ(band->readGeometry(BandFormat::Fast, dir_.path("QMDATA.INI"), "S", "O",
                                     pixelsPerLine, lines),
                  std::nullopt);
        bands_.push_back(std::move(band));
        return bands_.back().get();
    }

    void show(ImageView& view, DisplayMode mode, BandImage* red, BandImage* green, BandImage* blue,
              const ChannelLevels& levels = {}) {
        view.setMode(mode);
        view.setChannels(red, green, blue);
        view.applyLevels(levels);
    }

    Bytes exported(const ImageView& view, const char* name = "out.bmp") const {
        const std::string path = dir_.path(name);
        EXPECT_EQ(view.exportBitmap(path), platform::WriteFailure::None);
        Bytes bytes;
        EXPECT_TRUE(platform::readFileBytes(path, bytes));
        return bytes;
    }

    test::TempDir dir_;
    std::vector<std::unique_ptr<BandImage>> bands_;
};

// Display pixel (row i from the top, column j) as the display rule gives it, one
// pixel at a time: buffer line lineCount - scrollY - (i + 1) * zoom, column
// scrollX + j * zoom (magnified by m: line scrollY + i / m from the top, column
// scrollX + j / m), each channel through its own levels; black off the picture.
Bytes expectedPixel(const ImageView& view, int i, int j) {
    const std::int64_t m = view.magnification();
    const std::int64_t line =
        m > 1 ? std::int64_t{view.lineCount()} - 1 - view.scrollY() - i / m
              : std::int64_t{view.lineCount()} - view.scrollY() - std::int64_t{i + 1} * view.zoom();
    const std::int64_t column = view.scrollX() + (m > 1 ? j / m : std::int64_t{j} * view.zoom());
    Bytes bgr(3, 0);
    if (line < 0 || column >= view.pixelsPerLine())
        return bgr;
    for (int k = 0; k < 3; ++k) {
        const BandImage* band = view.shownBand(k);
        if (!band)
            continue;
        const Histogram& h = *band->histogram();
        const std::uint8_t pixel = band->pixels()[line * view.pixelsPerLine() + column];
        bgr[2 - k] = mapLevel(pixel, {h.highLevel, h.lowLevel});
    }
    return bgr;
}

void expectComposedAsTheRuleSays(const ImageView& view, const std::string& what) {
    for (int i = 0; i < view.outputHeight(); ++i) {
        const std::uint8_t* row =
            view.displayBits() + view.bufferSize() - (i + 1) * view.rowStride();
        for (int j = 0; j < view.outputWidth(); ++j) {
            ASSERT_EQ(Bytes(row + 3 * j, row + 3 * j + 3), expectedPixel(view, i, j))
                << what << ": row " << i << ", column " << j;
        }
    }
}

TEST_F(ImageViewOutputTest, ComposedPixelsFollowZoomOriginAndLevels) {
    struct Case {
        const char* what;
        int zoom, scrollX, scrollY;
        int width, height;
        ChannelLevels levels;
    };
    const Case cases[] = {
        {"zoom 1, picture smaller than the display", 1, 0, 0, 50, 40, {}},
        {"zoom 2", 2, 0, 0, 13, 9, {}},
        {"scroll (10, 20), zoom 1", 1, 10, 20, 7, 5, {}},
        {"scroll (10, 20), zoom 4", 4, 10, 20, 7, 5, {}},
        {"narrow and reversed levels", 3, 1, 2, 11, 7, {{{150, 50}, {50, 150}, {0, 0}}}},
        {"extreme levels",
         1,
         0,
         0,
         9,
         9,
         {{{std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min()},
           {-100, 300},
           {255, 0}}}},
        {"origin past the picture", 1, 30, 0, 5, 5, {}},
    };
    BandImage* red = makeBand("R_B1.FST", 30, 20, 0);
    BandImage* green = makeBand("G_B2.FST", 30, 20, 1);
    BandImage* blue = makeBand("B_B3.FST", 30, 20, 2);
    for (const Case& c : cases) {
        ImageView view;
        show(view, DisplayMode::ThreeBand, red, green, blue, c.levels);
        view.setZoom(c.zoom);
        view.setOrigin(c.scrollX, c.scrollY);
        ASSERT_TRUE(view.prepareBuffer(c.width, c.height)) << c.what;
        ASSERT_TRUE(view.compose()) << c.what;
        expectComposedAsTheRuleSays(view, c.what);
    }
}

// Rows long enough for the vector code, up to the last byte of each band's buffer
// (zoom 1, no scroll, the right edge on screen), at steps it thins out itself and
// steps it leaves to the tables, with levels that have a form and one that has none.
TEST_F(ImageViewOutputTest, WidePicturesComposeAsTheRuleSaysAtEveryZoom) {
    BandImage* red = makeBand("R_B1.FST", 257, 40, 0);
    BandImage* green = makeBand("G_B2.FST", 257, 40, 1);
    BandImage* blue = makeBand("B_B3.FST", 257, 40, 2);
    const ChannelLevels levelChoices[] = {{}, {{{200, 30}, {-100, 121}, {90, 91}}}};
    for (const ChannelLevels& levels : levelChoices) {
        for (int zoom = 1; zoom <= 9; ++zoom) {
            for (const int scroll : {0, 3}) {
                const std::string what = "zoom " + std::to_string(zoom) + ", scroll " +
                                         std::to_string(scroll) + ", high " +
                                         std::to_string(levels[0].high);
                ImageView view;
                show(view, DisplayMode::ThreeBand, red, green, blue, levels);
                view.setZoom(zoom);
                view.setOrigin(scroll, scroll);
                ASSERT_TRUE(view.prepareBuffer(270, 7)) << what;
                ASSERT_TRUE(view.compose()) << what;
                expectComposedAsTheRuleSays(view, what);
            }
        }
    }
}

// Each source pixel as an m x m block from the origin; display sizes that cut the
// last blocks, origins near the picture's end, and the black beyond it.
TEST_F(ImageViewOutputTest, MagnifiedPicturesComposeAsTheRuleSays) {
    BandImage* red = makeBand("R_B1.FST", 37, 23, 0);
    BandImage* green = makeBand("G_B2.FST", 37, 23, 1);
    BandImage* blue = makeBand("B_B3.FST", 37, 23, 2);
    for (const int m : {2, 4, 8, 16}) {
        for (const auto& [scrollX, scrollY] :
             {std::pair{0, 0}, std::pair{30, 20}, std::pair{36, 22}}) {
            const std::string what = "magnified " + std::to_string(m) + ", scroll " +
                                     std::to_string(scrollX) + "," + std::to_string(scrollY);
            ImageView view;
            show(view, DisplayMode::ThreeBand, red, green, blue, {{{200, 30}, {}, {90, 91}}});
            view.setMagnification(m);
            view.setOrigin(scrollX, scrollY);
            ASSERT_TRUE(view.prepareBuffer(61, 43)) << what;
            ASSERT_TRUE(view.compose()) << what;
            expectComposedAsTheRuleSays(view, what);
        }
    }
}

TEST_F(ImageViewOutputTest, TopRowShowsTheLastBufferLineAndTheRestIsBlack) {
    BandImage* band = makeBand("A_B1.FST", 300, 200, 0);
    ImageView view;
    show(view, DisplayMode::SingleBand, band, nullptr, nullptr);
    ASSERT_TRUE(view.prepareBuffer(500, 400));
    ASSERT_TRUE(view.compose());

    const std::uint8_t* top = view.displayBits() + view.bufferSize() - view.rowStride();
    for (int j = 0; j < 300; ++j) {
        const std::uint8_t grey = patternAt(199, j, 0);
        ASSERT_EQ(Bytes(top + 3 * j, top + 3 * j + 3), Bytes(3, grey)) << "column " << j;
    }
    EXPECT_EQ(Bytes(top + 900, top + 1500), Bytes(600, 0));
    // Rows 200 to 399 from the top are the first 200 rows of the buffer.
    const std::uint8_t* bits = view.displayBits();
    EXPECT_EQ(Bytes(bits, bits + 200 * view.rowStride()), Bytes(200 * view.rowStride(), 0));
}

TEST_F(ImageViewOutputTest, MissingChannelIsZeroAndNothingShownComposesNothing) {
    BandImage* red = makeBand("R_B1.FST", 6, 4, 0);
    BandImage* green = makeBand("G_B2.FST", 6, 4, 1);
    ImageView view;
    EXPECT_FALSE(view.compose());
    show(view, DisplayMode::ThreeBand, red, green, nullptr);
    ASSERT_TRUE(view.prepareBuffer(6, 4));
    ASSERT_TRUE(view.compose());
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 6; ++j)
            EXPECT_EQ(view.displayBits()[i * view.rowStride() + 3 * j], 0) << i << "," << j;
    }
    view.setMode(DisplayMode::SingleBand);
    EXPECT_FALSE(view.compose());
}

TEST_F(ImageViewOutputTest, OriginsFarPastThePictureGiveBlackWithoutOverflow) {
    BandImage* band = makeBand("A_B1.FST", 8, 8, 0);
    ImageView view;
    show(view, DisplayMode::SingleBand, band, nullptr, nullptr);
    view.setZoom(32);
    view.setOrigin(std::numeric_limits<std::int32_t>::max(),
                   std::numeric_limits<std::int32_t>::max());
    ASSERT_TRUE(view.prepareBuffer(16, 16));
    ASSERT_TRUE(view.compose());
    EXPECT_EQ(Bytes(view.displayBits(), view.displayBits() + view.bufferSize()),
              Bytes(view.bufferSize(), 0));
}

TEST_F(ImageViewOutputTest, ChannelOfSmallerGeometryIsNeverReadPastItsBuffer) {
    // The view takes the last channel's geometry; the red band holds fewer pixels.
    BandImage* red = makeBand("R_B1.FST", 4, 3, 0);
    BandImage* blue = makeBand("B_B3.FST", 6, 5, 2);
    ImageView view;
    show(view, DisplayMode::ThreeBand, red, nullptr, blue, {{{0, 255}, {}, {}}});
    ASSERT_TRUE(view.prepareBuffer(6, 5));
    ASSERT_TRUE(view.compose());
    // Red has 12 pixels: the top rows (buffer lines 2 to 4) lie past them in full.
    const std::uint8_t* top = view.displayBits() + view.bufferSize() - view.rowStride();
    for (int j = 0; j < 6; ++j)
        EXPECT_EQ(top[3 * j + 2], 0) << j;

    const Bytes file = exported(view);
    ASSERT_EQ(file.size(), 58u + 5 * 20);
    for (int index = 12; index < 30; ++index) {
        const std::size_t at = 58 + (index / 6) * 20 + (index % 6) * 3;
        EXPECT_EQ(file[at + 2], 0) << "pixel " << index;
    }
}

TEST_F(ImageViewOutputTest, ExportIsTheWholePictureWhateverTheZoomAndOrigin) {
    BandImage* band = makeBand("A_B1.FST", 5, 2, 0);
    ImageView view;
    show(view, DisplayMode::SingleBand, band, nullptr, nullptr);
    const Bytes first = exported(view, "first.bmp");
    ASSERT_EQ(first.size(), 1094u);
    // Full-range levels: the rows are the band's buffer lines, line 0 first.
    for (int line = 0; line < 2; ++line) {
        for (int column = 0; column < 5; ++column)
            EXPECT_EQ(first[1078 + line * 8 + column], patternAt(line, column, 0));
        EXPECT_EQ(Bytes(first.begin() + 1078 + line * 8 + 5, first.begin() + 1078 + line * 8 + 8),
                  Bytes(3, 0));
    }
    view.setZoom(3);
    view.setOrigin(2, 1);
    EXPECT_EQ(exported(view, "second.bmp"), first);
}

TEST_F(ImageViewOutputTest, ExportReplacesAnOldFileAndRefusesWhatItCannotWrite) {
    BandImage* red = makeBand("R_B1.FST", 4, 3, 0);
    BandImage* blue = makeBand("B_B3.FST", 4, 3, 2);
    ImageView view;
    EXPECT_EQ(view.exportBitmap(dir_.path("nothing.bmp")), platform::WriteFailure::Other);
    EXPECT_FALSE(std::filesystem::exists(dir_.native("nothing.bmp")));

    show(view, DisplayMode::ThreeBand, red, nullptr, blue);
    dir_.writeFile("out.bmp", std::string(5000, 'x'));
    const Bytes file = exported(view);
    ASSERT_EQ(file.size(), 94u);
    for (int pixel = 0; pixel < 12; ++pixel) {
        const std::size_t at = 58 + pixel * 3;
        EXPECT_EQ(file[at], patternAt(pixel / 4, pixel % 4, 2)) << pixel;
        EXPECT_EQ(file[at + 1], 0) << pixel;
        EXPECT_EQ(file[at + 2], patternAt(pixel / 4, pixel % 4, 0)) << pixel;
    }
    EXPECT_EQ(view.exportBitmap(dir_.path("missing folder\\out.bmp")),
              platform::WriteFailure::FolderMissing);
}

}  // namespace
}  // namespace qm
