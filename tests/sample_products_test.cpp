// The sample generator's products, opened the way the viewer opens them: with the
// example QMDATA.INI the build converts to Shift-JIS.
#include "tools/sample_gen/sample_products.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "paths/paths.h"
#include "platform/platform.h"
#include "product/label_file.h"
#include "product/product_catalog.h"
#include "tests/support/message_capture.h"
#include "tests/support/temp_dir.h"
#include "tools/sample_gen/landscape.h"
#include "tools/sample_gen/scene.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

// Small scenes keep the suite fast; the sides differ so that a swap shows.
constexpr sample::SampleOptions kSmall{7, 48, 32};

std::string fileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SampleProductsTest : public testing::Test {
  protected:
    void SetUp() override { sample::writeSampleProducts(dir_.native(), kSmall); }

    // The open command's sequence: parse the label, configure, discover.
    bool open(const std::string& product) {
        label_.parse(dir_.path(product + ".LAB"));
        EXPECT_TRUE(catalog_.reset(dir_.path(product + ".LAB")));
        catalog_.readConfiguration(label_.satellite(), label_.sensor(), label_.logicalFormat());
        return catalog_.discoverBands();
    }

    // Band pixels as the view gets them: bottom-up rows.
    std::vector<std::uint8_t> loadedPixels(int index) {
        const test::MessageCapture capture;
        BandImage* band = catalog_.band(index);
        EXPECT_TRUE(band->loadPixels());
        const std::size_t size = static_cast<std::size_t>(band->pixelsPerLine()) *
                                 static_cast<std::size_t>(band->lineCount());
        return {band->pixels(), band->pixels() + size};
    }

    test::TempDir dir_;
    LabelFile label_;
    ProductCatalog catalog_{executableFilePath("sample-QMDATA.INI")};
};

struct ExpectedBand {
    int index;
    const char* name;  // Shift-JIS, as the band choosers show it
    int recordLength;
    int lineCount;
    int pixelsPerLine;
    int firstPixelOffset;
};

struct ExpectedProduct {
    const char* product;
    int formatCode;
    int bandCount;
    std::vector<ExpectedBand> bands;
};

// Record format: 12-byte header, 32 prefix, 4 + 8 fill and 16 suffix bytes around
// 48 pixels. Fast format: raw lines; band 8 has twice the lines and a record twice
// as long, of which a line shows the first half.
const std::vector<ExpectedProduct> kProducts = {
    {sample::kRecordProduct,
     static_cast<int>(BandFormat::Record),
     7,
     {{0, "バンド1 (青)", 120, 32, 48, 48},
      {2, "バンド3 (赤)", 120, 32, 48, 48},
      {3, "バンド4 (近赤外)", 120, 32, 48, 48},
      {6, "バンド7 (短波長赤外2)", 120, 32, 48, 48}}},
    {sample::kFastProduct,
     static_cast<int>(BandFormat::Fast),
     8,
     {{0, "バンド1 (青)", 48, 32, 48, 0},
      {5, "バンド6 (熱赤外)", 48, 32, 48, 0},
      {7, "バンド8 (パンクロマチック)", 96, 64, 48, 0}}},
};

TEST_F(SampleProductsTest, BothProductsOpenWithTheirGeometry) {
    for (const ExpectedProduct& expected : kProducts) {
        SCOPED_TRACE(expected.product);
        EXPECT_TRUE(open(expected.product));
        EXPECT_EQ(catalog_.formatCode(), expected.formatCode);
        ASSERT_EQ(catalog_.bandCount(), expected.bandCount);
        for (const ExpectedBand& band : expected.bands) {
            SCOPED_TRACE(band.index);
            const BandImage& image = *catalog_.band(band.index);
            EXPECT_EQ(image.bandName(), band.name);
            EXPECT_EQ(image.recordLength(), band.recordLength);
            EXPECT_EQ(image.lineCount(), band.lineCount);
            EXPECT_EQ(image.pixelsPerLine(), band.pixelsPerLine);
            EXPECT_EQ(image.firstPixelOffset(), band.firstPixelOffset);
        }
    }
}

TEST_F(SampleProductsTest, LabelStatesTheSceneFacts) {
    ASSERT_EQ(label_.parse(dir_.path(std::string(sample::kFastProduct) + ".LAB")),
              LabelParseResult::Ok);
    EXPECT_STREQ(label_.satellite(), sample::kSatellite);
    EXPECT_STREQ(label_.sensor(), sample::kSensor);
    EXPECT_STREQ(label_.logicalFormat(), sample::kFastLogicalFormat);
    EXPECT_EQ(label_.integerOf("Number of Pixels"), kSmall.width);
    EXPECT_EQ(label_.integerOf("Number of Lines"), kSmall.height);
    EXPECT_EQ(label_.observationDate().year, 2026);
    EXPECT_EQ(label_.cloudCoverage(),
              sample::makeScene(kSmall.seed, kSmall.width, kSmall.height).cloudPercent);
}

TEST_F(SampleProductsTest, BothFormatsShowTheScenePictureUpright) {
    const sample::Raster red = sample::makeScene(kSmall.seed, kSmall.width, kSmall.height).bands[2];
    // Row 0 of a loaded band is the bottom line of the picture.
    std::vector<std::uint8_t> bottomUp;
    for (int y = red.height - 1; y >= 0; --y)
        for (int x = 0; x < red.width; ++x)
            bottomUp.push_back(red.at(x, y));

    ASSERT_TRUE(open(sample::kRecordProduct));
    EXPECT_EQ(loadedPixels(2), bottomUp);
    ASSERT_TRUE(open(sample::kFastProduct));
    EXPECT_EQ(loadedPixels(2), bottomUp);
}

TEST_F(SampleProductsTest, OneSeedGivesTheSameFilesAnotherSeedOthers) {
    const test::TempDir again;
    const test::TempDir otherSeed;
    sample::writeSampleProducts(again.native(), kSmall);
    sample::SampleOptions other = kSmall;
    other.seed = 8;
    sample::writeSampleProducts(otherSeed.native(), other);

    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(dir_.native())) {
        if (!entry.is_regular_file())
            continue;
        const fs::path relative = fs::relative(entry.path(), dir_.native());
        SCOPED_TRACE(relative.string());
        ++files;
        EXPECT_EQ(fileBytes(entry.path()), fileBytes(again.native() / relative));
        if (relative.extension() == ".DAT") {
            EXPECT_NE(fileBytes(entry.path()), fileBytes(otherSeed.native() / relative));
        }
    }
    EXPECT_EQ(files, 2 + 7 + 9);  // two labels, seven record bands, header and eight bands
}

// Every surface the colour composites are meant to show is in the default scene,
// also when it is made small.
TEST(SampleLandscapeTest, SmallSceneHoldsEverySurface) {
    constexpr int kWidth = 150;
    constexpr int kHeight = 120;
    const sample::Landscape landscape(1, kWidth, kHeight);
    sample::Cover total;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const sample::Cover cover = landscape.coverAt(x, y);
            total.water += cover.water;
            total.vegetation += cover.vegetation;
            total.crops += cover.crops;
            total.soil += cover.soil;
            total.town += cover.town;
            total.cloud += cover.cloud;
        }
    }
    const double onePercent = kWidth * kHeight / 100.0;
    EXPECT_GT(total.water, onePercent);
    EXPECT_GT(total.vegetation, onePercent);
    EXPECT_GT(total.crops, onePercent);
    EXPECT_GT(total.soil, onePercent);
    EXPECT_GT(total.town, onePercent);
    EXPECT_GT(total.cloud, onePercent);
    EXPECT_LT(total.cloud, 25 * onePercent);
}

}  // namespace
}  // namespace qm
