// Every band's value at one pixel of a scene: a band of another size read at the
// same place of its own grid, radiance where the headers calibrate the band.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "product/product_catalog.h"
#include "product/spectral_profile.h"
#include "tests/support/product_files.h"
#include "tests/support/temp_dir.h"

namespace qm {
namespace {

using Lines = std::vector<std::string>;

std::string header(const std::string& size, const Lines& files, const Lines& calibrations) {
    Lines administrative = {"SATELLITE =LANDSAT7  SENSOR =ETM+", size};
    for (const std::string& name : files)
        administrative.push_back("FILENAME =" + name);
    Lines radiometric = {"GAINS AND BIASES IN ASCENDING BAND NUMBER ORDER"};
    radiometric.insert(radiometric.end(), calibrations.begin(), calibrations.end());
    return test::landsatHeader(administrative, radiometric, {});
}

// Raw lines, top first: pixel (column, line) of a W-wide band holds first + line x W + column.
std::string ramp(int bytes, int first) {
    std::string file;
    for (int i = 0; i < bytes; ++i)
        file.push_back(static_cast<char>(first + i));
    return file;
}

// Bands 1 (calibrated) and 2 (not) of 4 x 3 pixels, band 8 of 8 x 6.
TEST(SpectralProfileTest, LargerBandIsReadAtTwiceTheColumnAndLine) {
    test::TempDir dir;
    dir.writeFile("L71S_HRF.FST", header("PIXELS PER LINE =4 LINES PER BAND =3",
                                         {"L71S_B10.FST", "L71S_B20.FST"}, {"-6.2 0.786"}));
    dir.writeFile("L71S_HPN.FST",
                  header("PIXELS PER LINE =8 LINES PER BAND =6", {"L71S_B80.FST"}, {"-4.7 0.5"}));
    dir.writeFile("L71S_B10.FST", ramp(12, 10));
    dir.writeFile("L71S_B20.FST", ramp(12, 30));
    dir.writeFile("L71S_B80.FST", ramp(48, 100));
    ProductCatalog catalog(dir.path("QMDATA.INI"));
    ASSERT_TRUE(catalog.openScene(dir.path("L71S_HRF.FST")));

    // Column 3, line 1 of band 1 is column 6, line 2 of band 8.
    const std::vector<ProfileEntry> profile = spectralProfile(catalog, 0, 3, 1);
    ASSERT_EQ(profile.size(), 3u);
    EXPECT_EQ(profile[0].value, 10 + 4 + 3);
    EXPECT_DOUBLE_EQ(profile[0].radiance.value(), -6.2 + 0.786 * 17);
    EXPECT_EQ(profile[1].value, 30 + 4 + 3);
    EXPECT_EQ(profile[1].radiance, std::nullopt);
    EXPECT_EQ(profile[2].bandIndex, 2);
    EXPECT_EQ(profile[2].column, 6);
    EXPECT_EQ(profile[2].line, 2);
    EXPECT_EQ(profile[2].value, 100 + 2 * 8 + 6);
    EXPECT_DOUBLE_EQ(profile[2].radiance.value(), -4.7 + 0.5 * 122);
    EXPECT_EQ(catalog.band(0)->pixels(), nullptr);  // nothing loaded

    EXPECT_TRUE(spectralProfile(catalog, 0, 4, 0).empty());
    EXPECT_TRUE(spectralProfile(catalog, 0, 0, 3).empty());
    EXPECT_FALSE(pixelLocation(catalog, 0, 3, 1).has_value());  // headers without corners
}

}  // namespace
}  // namespace qm
