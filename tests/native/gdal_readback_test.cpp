// A GIS places the exported picture where the header says: the picture written by
// quillmere-cli export, read back by GDAL's gdalinfo (gdal-bin, a test-only peer),
// has the transform and the coordinate system of the sample scene.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "paths/paths.h"
#include "tests/support/cli_run.h"
#include "tests/support/temp_dir.h"
#include "tools/cli/command_line.h"
#include "tools/sample_gen/sample_products.h"

namespace qm {
namespace {

using nlohmann::json;

// gdalinfo's JSON report of the file; nothing when gdalinfo cannot be run.
std::optional<json> gdalInfo(const std::filesystem::path& file) {
    const std::string command = "gdalinfo -json '" + file.string() + "' 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe)
        return std::nullopt;
    std::string output;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;)
        output.append(buffer, got);
    if (output.empty())
        return std::nullopt;
    return json::parse(output);
}

TEST(GdalReadsTheExport, TransformAndCoordinateSystemOfTheSampleScene) {
    test::TempDir dir;
    sample::writeSampleProducts(dir.native(), {7, 60, 40});
    const std::string config = executableFilePath("sample-QMDATA.INI");
    // The sample's corners: the centre (291614, 3921153) in the middle of a grid of
    // 30 m pixels (15 m for band 8), north up.
    const struct {
        const char* product;
        const char* band;
        const char* output;
        double step;
    } cases[] = {
        {"SYN7FAST/L71SYN7_HRF.FST", "3", "HRF.bmp", 30.0},
        {"SYN7FAST.LAB", "1", "LABEL.png", 30.0},
        {"SYN7FAST.LAB", "8", "PAN.bmp", 15.0},
        {"SYN7FAST/L71SYN7_HPN.FST", "9", "HPN.png", 15.0},  // the scene's band 8
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.output);
        const test::CliResult run =
            test::runCli({"export", dir.path(c.product), "-o", dir.path(c.output), "--config",
                          config, "--band", c.band});
        ASSERT_EQ(run.status, cli::kExitSuccess) << run.err;
        const std::optional<json> info = gdalInfo(dir.native(c.output));
        if (!info)
            GTEST_SKIP() << "gdalinfo (gdal-bin) is not installed";
        const json& transform = (*info)["geoTransform"];
        ASSERT_EQ(transform.size(), 6u) << info->dump();
        EXPECT_NEAR(transform[0].get<double>(), 291614.0 - 30 * 30.0, 1e-6);
        EXPECT_NEAR(transform[1].get<double>(), c.step, 1e-9);
        EXPECT_NEAR(transform[2].get<double>(), 0.0, 1e-9);
        EXPECT_NEAR(transform[3].get<double>(), 3921153.0 + 20 * 30.0, 1e-6);
        EXPECT_NEAR(transform[4].get<double>(), 0.0, 1e-9);
        EXPECT_NEAR(transform[5].get<double>(), -c.step, 1e-9);
        EXPECT_EQ((*info)["stac"]["proj:epsg"], 32654) << (*info)["coordinateSystem"].dump();
    }
}

}  // namespace
}  // namespace qm
