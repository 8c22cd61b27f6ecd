// quillmere-cli pixel, run in-process: every band's value at one pixel, on a
// record-format product built here and on the georeferenced sample scene.
#include <gtest/gtest.h>

#include <cstdint>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "paths/paths.h"
#include "platform/platform.h"
#include "product/open_product.h"
#include "tests/support/cli_run.h"
#include "tests/support/message_capture.h"
#include "tests/support/product_files.h"
#include "tests/support/temp_dir.h"
#include "tools/cli/command_line.h"
#include "tools/sample_gen/sample_products.h"

namespace qm {
namespace {

using nlohmann::json;
using Strings = std::vector<std::string>;
using test::CliResult;
using test::runCli;

constexpr char kConfiguration[] =
    "[Logical Format]\r\nREC=1\r\n[FileNameMask]\r\nREC=*.DAT\r\n"
    "[SAT1OPT]\r\nBAND1=Blue\r\n"
    "PrefixPos=20\r\nPrefixSize=4\r\nSuffixPos=24\r\nSuffixSize=4\r\n"
    "LeftFillPos=16\r\nLeftFillSize=2\r\nRightFillPos=18\r\nRightFillSize=2\r\n";

class CliPixelTest : public testing::Test {
  protected:
    // SCENE01: band 1 of 573 x 10 pixels (record offset 202 on, records of 800
    // bytes), band 2 of 336 x 4 (offset 55 on, records of 400). Shown line l is image
    // record l + 1.
    void SetUp() override {
        config_ = dir_.writeFile("QMDATA.INI", kConfiguration);
        dir_.writeFile(
            "SCENE01.LAB",
            test::labelText({{"Satellite : SAT1", "Sensor : OPT", "Logical Format : REC"}}));
        std::string one = test::RecordBand{800, 11, " 180", "   0", {10, 30}, {12, 25}}.bytes();
        std::string two = test::RecordBand{400, 5, "  40", "   7", {3, 9}, {5, 2}}.bytes();
        one[8 * 800 + 202 + 100] = 77;  // column 100, line 7
        two[3 * 400 + 55 + 58] = 99;    // column 100 x 336 / 573, line 7 x 4 / 10
        dir_.writeFile("SCENE01/SCENE_B1.DAT", one);
        dir_.writeFile("SCENE01/SCENE_B2.DAT", two);
    }

    test::TempDir dir_;
    std::string config_;
};

TEST_F(CliPixelTest, RecordProductGivesEveryBandsValueAsTextAndJson) {
    const Strings arguments = {"pixel", dir_.path("SCENE01.LAB"), "100", "7", "--config", config_};
    const CliResult text = runCli(arguments);
    ASSERT_EQ(text.status, cli::kExitSuccess) << text.err;
    EXPECT_EQ(text.out,
              "Column               100\nLine                 7\n\n"
              "Band  Value    Radiance  Name\n"
              "   0     77           -  Blue\n"
              "   1     99           -  SCENE_B2.DAT\n");

    Strings withJson = arguments;
    withJson.push_back("--json");
    const CliResult result = runCli(withJson);
    ASSERT_EQ(result.status, cli::kExitSuccess) << result.err;
    EXPECT_EQ(json::parse(result.out), json::parse(R"({"column": 100, "line": 7, "bands": [
        {"index": 0, "name": "Blue", "value": 77, "radiance": null},
        {"index": 1, "name": "SCENE_B2.DAT", "value": 99, "radiance": null}]})"));
}

// The sample scene, 21 x 11 pixels a band, has its centre pixel (10, 5) at 35.412 N,
// 138.705 E; band 8 has twice the lines (label) or twice both sides (header).
TEST_F(CliPixelTest, FastSceneGivesRadiancesAndWhereThePixelLies) {
    sample::writeSampleProducts(dir_.native("SAMPLE"), {7, 21, 11});
    const std::string config = executableFilePath("sample-QMDATA.INI");
    for (const char* product : {"SAMPLE/SYN7FAST.LAB", "SAMPLE/SYN7FAST/L71SYN7_HRF.FST"}) {
        SCOPED_TRACE(product);
        const CliResult result =
            runCli({"pixel", dir_.path(product), "10", "5", "--config", config, "--json"});
        ASSERT_EQ(result.status, cli::kExitSuccess) << result.err;
        const json report = json::parse(result.out);
        EXPECT_NEAR(report["easting"].get<double>(), 291614, 0.5);
        EXPECT_NEAR(report["northing"].get<double>(), 3921153, 0.5);
        EXPECT_NEAR(report["latitude"].get<double>(), 35.412, 1e-5);
        EXPECT_NEAR(report["longitude"].get<double>(), 138.705, 1e-5);

        // Each band as loading gives it, at the same place of its own grid.
        const OpenedProduct opened(dir_.path(product), config);
        const ProductCatalog& catalog = opened.catalog();
        ASSERT_EQ(report["bands"].size(), static_cast<std::size_t>(catalog.bandCount()));
        int calibrated = 0;
        for (int i = 0; i < catalog.bandCount(); ++i) {
            BandImage& band = *catalog.band(i);
            const test::MessageCapture capture;
            ASSERT_TRUE(band.loadPixels());
            const int column = 10 * band.pixelsPerLine() / 21;
            const int line = 5 * band.lineCount() / 11;
            const int value =
                band.pixels()[(band.lineCount() - 1 - line) * band.pixelsPerLine() + column];
            const json& entry = report["bands"][static_cast<std::size_t>(i)];
            EXPECT_EQ(entry["value"], value) << i;
            const std::optional<BandCalibration>& calibration = catalog.bandFacts(i).calibration;
            if (calibration) {
                ++calibrated;
                EXPECT_NEAR(entry["radiance"].get<double>(), calibration->radiance(value), 1e-9);
            } else {
                EXPECT_TRUE(entry["radiance"].is_null()) << i;
            }
        }
        EXPECT_GE(calibrated, 6);
        EXPECT_EQ(catalog.band(catalog.bandCount() - 1)->lineCount(), 22);

        const CliResult text = runCli({"pixel", dir_.path(product), "10", "5", "--config", config});
        EXPECT_NE(text.out.find("Latitude (deg)       35.412"), std::string::npos) << text.out;
    }
}

// A pixel outside the first band or a product without one fails (1); words that
// are no pixel are a usage error (2). Nothing goes to standard output.
TEST_F(CliPixelTest, RefusalsSayWhy) {
    const std::string label = dir_.path("SCENE01.LAB");
    const struct {
        Strings words;
        int status;
        std::string message;
    } cases[] = {
        {{"573", "0"},
         cli::kExitFailure,
         label + ": column 573, line 0 lies outside the first band (573 x 10 pixels)"},
        {{"0", "10"}, cli::kExitFailure, "column 0, line 10 lies outside"},
        {{"0", "0", "--config", dir_.path("MISSING.INI")},
         cli::kExitFailure,
         label + ": the configuration file"},
        {{"-1", "0"}, cli::kExitUsage, "COLUMN must be a whole number from 0"},
        {{"0", "1.5"}, cli::kExitUsage, "LINE must be a whole number from 0"},
        {{"+3", "0"}, cli::kExitUsage, "COLUMN must"},
        {{"0", "2147483648"}, cli::kExitUsage, "LINE must"},
        {{"0"}, cli::kExitUsage, "no LINE given"},
        {{"0", "0", "0"}, cli::kExitUsage, "more than a product, a column and a line"},
        {{"0", "0", "--stats"}, cli::kExitUsage, "unknown option --stats"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        Strings arguments = {"pixel", label, "--config", config_};
        arguments.insert(arguments.end(), c.words.begin(), c.words.end());
        const CliResult result = runCli(arguments);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        const bool usageShown = result.err.find("quillmere-cli pixel PRODUCT") != std::string::npos;
        EXPECT_EQ(usageShown, c.status == cli::kExitUsage);
    }
    EXPECT_NE(runCli({"--help"}).out.find("pixel options:"), std::string::npos);
}

}  // namespace
}  // namespace qm
