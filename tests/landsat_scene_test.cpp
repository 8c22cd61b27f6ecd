// A Landsat 7 scene opened by any of its headers, without a label: every header of
// the scene in its folder, the bands their FILENAMEs name in band order, each with
// its own header's size and calibration, and the files that are missing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "product/landsat_scene.h"
#include "product/open_product.h"
#include "product/product_catalog.h"
#include "tests/support/product_files.h"
#include "tests/support/temp_dir.h"

namespace qm {
namespace {

using Lines = std::vector<std::string>;

std::string header(const Lines& fileNames, int pixels, int lines, const Lines& calibrations) {
    Lines administrative = {
        "SATELLITE =LANDSAT7  SENSOR =ETM+",
        "PIXELS PER LINE =" + std::to_string(pixels) + " LINES PER BAND =" + std::to_string(lines)};
    for (const std::string& name : fileNames)
        administrative.push_back("FILENAME =" + name);
    Lines radiometric = {"GAINS AND BIASES IN ASCENDING BAND NUMBER ORDER"};
    radiometric.insert(radiometric.end(), calibrations.begin(), calibrations.end());
    return test::landsatHeader(administrative, radiometric, {});
}

class LandsatSceneTest : public testing::Test {
  protected:
    void SetUp() override {
        dir_.writeFile("QMDATA.INI", "[LANDSAT7ETM+]\nBAND20=Green\n");
        dir_.writeFile("L71SCENE_HRF.FST",
                       header({"L71SCENE_B10.FST", "L71SCENE_B20.FST", "L71SCENE_B30.FST"}, 4, 3,
                              {"-6.2 0.786", "-6.4 0.817", "-5.0 0.639"}));
        dir_.writeFile("L71SCENE_HTM.FST",
                       header({"L71SCENE_B61.FST", "L71SCENE_B62.FST"}, 4, 3, {"0.0 0.067"}));
        dir_.writeFile("L71SCENE_HPN.FST", header({"L71SCENE_B80.FST"}, 8, 6, {"-4.7 0.639"}));
        dir_.writeFile("L71OTHER_HRF.FST", header({"L71OTHER_B10.FST"}, 4, 3, {}));
        // The file system spells one band file in lower case.
        for (const char* name : {"l71scene_b10.fst", "L71SCENE_B20.FST", "L71SCENE_B30.FST",
                                 "L71SCENE_B61.FST", "L71OTHER_B10.FST"})
            dir_.writeFile(name, std::string(12, 'p'));
        dir_.writeFile("L71SCENE_B80.FST", std::string(48, 'p'));
    }

    test::TempDir dir_;
};

TEST_F(LandsatSceneTest, AnyHeaderOpensTheWholeSceneInBandOrder) {
    struct Band {
        std::string name;
        std::string file;
        int pixels;
        int lines;
    };
    const std::vector<Band> expected = {
        {"バンド1", "l71scene_b10.fst", 4, 3}, {"Green", "L71SCENE_B20.FST", 4, 3},
        {"バンド3", "L71SCENE_B30.FST", 4, 3}, {"バンド6 (低ゲイン)", "L71SCENE_B61.FST", 4, 3},
        {"バンド8", "L71SCENE_B80.FST", 8, 6},  // the pan header states its own size
    };
    for (const char* opened : {"L71SCENE_HRF.FST", "L71SCENE_HTM.FST", "L71SCENE_HPN.FST"}) {
        SCOPED_TRACE(opened);
        ProductCatalog catalog(dir_.path("QMDATA.INI"));
        ASSERT_TRUE(catalog.openScene(dir_.path(opened)));
        ASSERT_EQ(catalog.bandCount(), static_cast<int>(expected.size()));
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const BandImage& band = *catalog.band(static_cast<int>(i));
            EXPECT_EQ(band.bandName(), expected[i].name) << i;
            EXPECT_EQ(band.path(), dir_.path(expected[i].file)) << i;
            EXPECT_EQ(band.pixelsPerLine(), expected[i].pixels) << i;
            EXPECT_EQ(band.recordLength(), expected[i].pixels) << i;
            EXPECT_EQ(band.lineCount(), expected[i].lines) << i;
        }
        ASSERT_EQ(catalog.headers().size(), 3u);
        EXPECT_EQ(catalog.headers()[1].path, dir_.path("L71SCENE_HTM.FST"));
        EXPECT_EQ(catalog.missingFiles(), Lines{"L71SCENE_B62.FST"});
        EXPECT_EQ(catalog.bandFacts(1).calibration->bias, -6.4);
        EXPECT_EQ(catalog.bandFacts(1).calibration->gain, 0.817);
        EXPECT_EQ(catalog.bandFacts(3).calibration->gain, 0.067);
        EXPECT_EQ(catalog.bandFacts(4).headerIndex, std::size_t{2});
        EXPECT_TRUE(catalog.holdsFile(dir_.path("L71SCENE_HPN.FST")));
        EXPECT_FALSE(catalog.holdsFile(dir_.path("L71OTHER_HRF.FST")));
    }
}

TEST_F(LandsatSceneTest, ASceneWithoutItsFilesOrItsHeaderSaysSo) {
    dir_.writeFile("L72EMPTY_HRF.FST", header({"L72EMPTY_B10.FST"}, 4, 3, {}));
    const struct {
        const char* header;
        DiscoveryStop stop;
    } cases[] = {
        {"L72EMPTY_HRF.FST", DiscoveryStop::SceneFilesMissing},
        {"L79GONE_HRF.FST", DiscoveryStop::SceneHeaderUnreadable},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.header);
        ProductCatalog catalog(dir_.path("QMDATA.INI"));
        EXPECT_FALSE(catalog.openScene(dir_.path(c.header)));
        EXPECT_EQ(catalog.bandCount(), 0);
        EXPECT_EQ(catalog.outcome().stop, c.stop);
    }
}

// A label product in the fast format keeps its geometry rule and reads its HRF
// header's facts: the bands the header names get their calibration.
TEST_F(LandsatSceneTest, ALabelProductReadsItsHeadersFactsToo) {
    dir_.writeFile("QMDATA.INI", "[Logical Format]\nFAST=2\n[FileNameMask]\nFAST=*_B*.FST\n");
    dir_.writeFile("SCENE.LAB", test::labelText({{"Logical Format : FAST"}}));
    std::string hrf = header({"SCENE_B10.FST"}, 4, 3, {"-6.2 0.786"});
    hrf.replace(842, 4, "5   ");  // the label product's own numbers, by offset
    hrf.replace(864, 4, "2   ");
    dir_.writeFile("SCENE/L7A_HRF.FST", hrf);
    dir_.writeFile("SCENE/SCENE_B10.FST", "");
    dir_.writeFile("SCENE/SCENE_B20.FST", "");
    const OpenedProduct product(dir_.path("SCENE.LAB"), dir_.path("QMDATA.INI"));
    const ProductCatalog& catalog = product.catalog();
    ASSERT_EQ(catalog.bandCount(), 2);
    EXPECT_EQ(catalog.band(0)->pixelsPerLine(), 5);
    EXPECT_EQ(catalog.band(0)->lineCount(), 2);
    ASSERT_EQ(catalog.headers().size(), 1u);
    EXPECT_EQ(catalog.bandFacts(0).calibration->bias, -6.2);
    EXPECT_FALSE(catalog.bandFacts(1).calibration);
}

TEST(LandsatHeaderName, NamesAndBandCodes) {
    for (const char* name : {"L71118038_03819991201_HRF.FST", "l7x_hpn.fst", "C:\\D\\L7A_HTM.FST"})
        EXPECT_TRUE(isLandsatHeaderName(name)) << name;
    for (const char* name :
         {"L71118038_03819991201_B10.FST", "L8X_HRF.FST", "L7_HRF.TXT", "SCENE.LAB"})
        EXPECT_FALSE(isLandsatHeaderName(name)) << name;
    EXPECT_EQ(bandCodeOf("L71118038_03819991201_B61.FST"), 61);
    EXPECT_EQ(bandCodeOf("x_b80.fst"), 80);
    EXPECT_EQ(bandCodeOf("SCENE.FST"), std::nullopt);
}

}  // namespace
}  // namespace qm
