// The sample generator's products, opened the way the viewer opens them: with the
// example QMDATA.INI the build converts to Shift-JIS.
#include "tools/sample_gen/sample_products.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "geo/ellipsoid.h"
#include "geo/transverse_mercator.h"
#include "paths/paths.h"
#include "platform/platform.h"
#include "product/fast_header.h"
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
    // Two labels, seven record bands, three headers, eight bands and band 6's two gains.
    EXPECT_EQ(files, 2 + 7 + 3 + 8 + 2);
}

// The fast-format product's headers, each with the band files it names.
struct ExpectedHeader {
    const char* file;
    const char* bandsPresent;
    std::vector<std::string> bandFiles;
    int scale;        // pixels a side for each multispectral pixel
    bool reflective;  // dark ground gives a radiance below zero: bias < 0
};

const std::vector<ExpectedHeader> kFastHeaders = {
    {"L71SYN7_HRF.FST",
     "123457",
     {"L71SYN7_B10.FST", "L71SYN7_B20.FST", "L71SYN7_B30.FST", "L71SYN7_B40.FST", "L71SYN7_B50.FST",
      "L71SYN7_B70.FST"},
     1,
     true},
    {"L71SYN7_HTM.FST", "66", {"L71SYN7_B61.FST", "L71SYN7_B62.FST"}, 1, false},
    {"L71SYN7_HPN.FST", "8", {"L71SYN7_B80.FST"}, 2, true},
};

class SampleFastHeaderTest : public SampleProductsTest {
  protected:
    fs::path productFile(const std::string& name) const {
        return dir_.native() / sample::kFastProduct / name;
    }
    FastHeader header(const std::string& name) const {
        return parseFastHeader(fileBytes(productFile(name)));
    }
};

TEST_F(SampleFastHeaderTest, EachHeaderDescribesItsOwnBands) {
    for (const ExpectedHeader& expected : kFastHeaders) {
        SCOPED_TRACE(expected.file);
        const FastHeader h = header(expected.file);
        EXPECT_EQ(h.satellite, sample::kSatellite);
        EXPECT_EQ(h.sensor, sample::kSensor);
        const HeaderDate date = h.acquisitionDate.value();
        EXPECT_EQ(date.year * 10000 + date.month * 100 + date.day, 20260615);
        EXPECT_EQ(h.pixelsPerLine, kSmall.width * expected.scale);
        EXPECT_EQ(h.linesPerBand, kSmall.height * expected.scale);
        EXPECT_EQ(h.pixelSize, 30.0 / expected.scale);
        EXPECT_EQ(h.bandsPresent, expected.bandsPresent);
        EXPECT_EQ(h.fileNames, expected.bandFiles);
        for (const std::string& name : h.fileNames)
            EXPECT_TRUE(fs::is_regular_file(productFile(name))) << name;
        ASSERT_EQ(h.calibrations.size(), h.fileNames.size());
        for (const BandCalibration& calibration : h.calibrations) {
            EXPECT_GT(calibration.gain, 0.0);
            if (expected.reflective) {
                EXPECT_LT(calibration.bias, 0.0);
            }
        }
    }
}

TEST_F(SampleFastHeaderTest, CornersLieOnANorthUpGridAroundTheSceneCentre) {
    const geo::TransverseMercator utm(geo::ellipsoidNamed("WGS84").value(),
                                      geo::utmSettings(54, false));
    for (const ExpectedHeader& expected : kFastHeaders) {
        SCOPED_TRACE(expected.file);
        const FastHeader h = header(expected.file);
        EXPECT_EQ(h.mapProjection, "UTM");
        EXPECT_EQ(h.ellipsoid, "WGS84");
        EXPECT_EQ(h.datum, "WGS84");
        EXPECT_EQ(h.mapZone, 54);
        const double size = h.pixelSize.value();
        const int width = h.pixelsPerLine.value();
        const int height = h.linesPerBand.value();
        const double ulEasting = h.upperLeft.easting.value();
        const double ulNorthing = h.upperLeft.northing.value();
        EXPECT_DOUBLE_EQ(h.upperRight.easting.value() - ulEasting, (width - 1) * size);
        EXPECT_DOUBLE_EQ(ulNorthing - h.lowerLeft.northing.value(), (height - 1) * size);
        EXPECT_EQ(h.upperRight.northing, ulNorthing);
        EXPECT_EQ(h.lowerLeft.easting, ulEasting);
        EXPECT_EQ(h.lowerRight.easting, h.upperRight.easting);
        EXPECT_EQ(h.lowerRight.northing, h.lowerLeft.northing);
        // The centre point lies in the middle of the picture, near the label's centre.
        EXPECT_DOUBLE_EQ(h.center.easting.value() - ulEasting, (width - 1) * size / 2);
        EXPECT_DOUBLE_EQ(ulNorthing - h.center.northing.value(), (height - 1) * size / 2);
        EXPECT_EQ(h.centerPixel, width / 2);
        EXPECT_EQ(h.centerLine, height / 2);
        EXPECT_NEAR(h.center.latitude.value(), 35.412, 0.02);
        EXPECT_NEAR(h.center.longitude.value(), 138.705, 0.02);
        for (const HeaderCorner* corner :
             {&h.upperLeft, &h.upperRight, &h.lowerRight, &h.lowerLeft, &h.center}) {
            const geo::MapPoint mapped =
                utm.forward({corner->longitude.value(), corner->latitude.value()});
            EXPECT_NEAR(mapped.easting, corner->easting.value(), 0.5);
            EXPECT_NEAR(mapped.northing, corner->northing.value(), 0.5);
        }
    }
}

// Low gain is band 6 as the label product has it; high gain gives the same radiance
// by its own calibration wherever it is not held at its limits.
TEST_F(SampleFastHeaderTest, ThermalGainsGiveOneRadiance) {
    const FastHeader h = header("L71SYN7_HTM.FST");
    ASSERT_EQ(h.calibrations.size(), 2u);
    const std::string low = fileBytes(productFile("L71SYN7_B61.FST"));
    const std::string high = fileBytes(productFile("L71SYN7_B62.FST"));
    EXPECT_EQ(low, fileBytes(productFile("L71SYN7_B60.FST")));
    ASSERT_EQ(high.size(), low.size());
    double worst = 0.0;
    std::size_t compared = 0;
    for (std::size_t i = 0; i < low.size(); ++i) {
        const int highValue = static_cast<std::uint8_t>(high[i]);
        if (highValue == 1 || highValue == 255)
            continue;
        ++compared;
        const double lowRadiance = h.calibrations[0].radiance(static_cast<std::uint8_t>(low[i]));
        worst = std::max(worst, std::abs(h.calibrations[1].radiance(highValue) - lowRadiance));
    }
    EXPECT_GT(compared, low.size() / 2);
    EXPECT_LE(worst, h.calibrations[1].gain / 2 + 1e-9);
}

// Every surface the colour composites are meant to show is in the default scene,
// also when it is made small.
// The sample scene opens through its label and through each of its headers: the
// reflective bands are the same files with the same names and pixels; a header
// scene has band 6 in its two gains and band 8 at its own, doubled size, where the
// label product has one band 6 and shows the first half of each band 8 record.
TEST_F(SampleProductsTest, TheSceneOpensThroughItsLabelAndThroughEachHeader) {
    ASSERT_TRUE(open("SYN7FAST"));
    const auto bandsOf = [](const ProductCatalog& catalog) {
        std::vector<std::pair<std::string, std::string>> bands;
        for (int i = 0; i < catalog.bandCount(); ++i)
            bands.emplace_back(lastPathComponent(catalog.band(i)->path()),
                               catalog.band(i)->bandName());
        return bands;
    };
    auto viaLabel = bandsOf(catalog_);
    for (const char* header : {"L71SYN7_HRF.FST", "L71SYN7_HTM.FST", "L71SYN7_HPN.FST"}) {
        SCOPED_TRACE(header);
        ProductCatalog scene(executableFilePath("sample-QMDATA.INI"));
        ASSERT_TRUE(scene.openScene(dir_.path(std::string("SYN7FAST/") + header)));
        const auto viaHeader = bandsOf(scene);
        ASSERT_EQ(viaHeader.size(), 9u);
        EXPECT_EQ(viaHeader[5].first, "L71SYN7_B61.FST");
        EXPECT_EQ(viaHeader[6].first, "L71SYN7_B62.FST");
        for (const int i : {0, 1, 2, 3, 4, 7, 8})
            EXPECT_EQ(viaHeader[static_cast<std::size_t>(i)],
                      viaLabel[static_cast<std::size_t>(i == 7 || i == 8 ? i - 1 : i)])
                << i;
        EXPECT_EQ(scene.band(8)->pixelsPerLine(), 2 * kSmall.width);
        EXPECT_EQ(scene.band(8)->lineCount(), 2 * kSmall.height);
        for (const int i : {0, 3, 7}) {
            ASSERT_TRUE(scene.band(i)->loadPixels());
            const int labelIndex = i == 7 ? 6 : i;
            EXPECT_TRUE(std::equal(scene.band(i)->pixels(),
                                   scene.band(i)->pixels() + scene.band(i)->pixelCount(),
                                   loadedPixels(labelIndex).begin()))
                << i;
        }
    }
}

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
