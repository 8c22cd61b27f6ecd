// Where a scene lies: the affine transform fitted to the header's corners (north-up
// or rotated), eastings with the zone in front, the reasons a scene has none, and
// the world file and auxiliary XML that carry it to GIS programs.
#include "product/georeference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "product/georeference_files.h"

namespace qm {
namespace {

constexpr double kPixel = 30.0;
constexpr int kWidth = 101;
constexpr int kHeight = 81;

// A header of kWidth x kHeight pixels whose corner pixel centres lie on a grid of
// 30 m steps turned by `degrees` about the upper left one at (x, y).
FastHeader griddedHeader(double degrees, double x = 225195.0, double y = 3608595.0) {
    const double turn = degrees * 3.14159265358979323846 / 180.0;
    const auto corner = [&](double column, double line) {
        HeaderCorner c;
        c.easting = x + kPixel * (column * std::cos(turn) + line * std::sin(turn));
        c.northing = y + kPixel * (column * std::sin(turn) - line * std::cos(turn));
        return c;
    };
    FastHeader header;
    header.pixelsPerLine = kWidth;
    header.linesPerBand = kHeight;
    header.mapProjection = "UTM";
    header.mapZone = 50;
    header.ellipsoid = "WGS84";
    header.upperLeft = corner(0, 0);
    header.upperRight = corner(kWidth - 1, 0);
    header.lowerRight = corner(kWidth - 1, kHeight - 1);
    header.lowerLeft = corner(0, kHeight - 1);
    return header;
}

TEST(Georeference, NorthUpCornersGiveTheTopLeftCornerAndTheSteps) {
    const Georeference georeference = georeferenceOf(griddedHeader(0));
    ASSERT_TRUE(georeference.transform);
    const geo::GeoTransform& t = *georeference.transform;
    // The corners are pixel centres: the picture's own corner lies half a pixel out.
    EXPECT_DOUBLE_EQ(t.x0, 225195.0 - 15.0);
    EXPECT_DOUBLE_EQ(t.y0, 3608595.0 + 15.0);
    EXPECT_DOUBLE_EQ(t.dx, 30.0);
    EXPECT_DOUBLE_EQ(t.dy, -30.0);
    EXPECT_DOUBLE_EQ(t.rx, 0.0);
    EXPECT_DOUBLE_EQ(t.ry, 0.0);
}

TEST(Georeference, RotatedCornersGiveTheRotation) {
    const Georeference georeference = georeferenceOf(griddedHeader(9.5));
    ASSERT_TRUE(georeference.transform);
    const geo::GeoTransform& t = *georeference.transform;
    const double c = 30.0 * std::cos(9.5 * 3.14159265358979323846 / 180.0);
    const double s = 30.0 * std::sin(9.5 * 3.14159265358979323846 / 180.0);
    EXPECT_NEAR(t.dx, c, 1e-9);
    EXPECT_NEAR(t.ry, s, 1e-9);
    EXPECT_NEAR(t.rx, s, 1e-9);
    EXPECT_NEAR(t.dy, -c, 1e-9);
    const geo::MapPoint lowerRight = t.centreOf(kWidth - 1, kHeight - 1);
    EXPECT_NEAR(lowerRight.easting, *griddedHeader(9.5).lowerRight.easting, 1e-6);
}

TEST(Georeference, EastingsWithTheZoneInFrontLoseIt) {
    FastHeader header = griddedHeader(0);
    for (HeaderCorner* corner :
         {&header.upperLeft, &header.upperRight, &header.lowerRight, &header.lowerLeft})
        *corner->easting += 50 * 1000000.0;
    const Georeference georeference = georeferenceOf(header);
    ASSERT_TRUE(georeference.transform);
    EXPECT_DOUBLE_EQ(georeference.transform->x0, 225180.0);
}

TEST(Georeference, ScenesWithoutAGridSayWhy) {
    FastHeader noSize = griddedHeader(0);
    noSize.linesPerBand.reset();
    FastHeader noCorner = griddedHeader(0);
    noCorner.lowerLeft.northing.reset();
    FastHeader zeros = griddedHeader(0);
    for (HeaderCorner* corner :
         {&zeros.upperLeft, &zeros.upperRight, &zeros.lowerRight, &zeros.lowerLeft})
        *corner = HeaderCorner{std::nullopt, std::nullopt, 0.0, 0.0};
    FastHeader offGrid = griddedHeader(0);
    *offGrid.lowerRight.easting += 100.0;  // each corner then misses the best grid by 25 m
    const struct {
        const char* name;
        FastHeader header;
        GeoreferenceProblem problem;
    } cases[] = {
        {"no size", noSize, GeoreferenceProblem::NoPictureSize},
        {"a corner missing", noCorner, GeoreferenceProblem::NoCorners},
        {"corners zero", zeros, GeoreferenceProblem::NoCorners},
        {"corners off the grid", offGrid, GeoreferenceProblem::CornersOffGrid},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Georeference georeference = georeferenceOf(c.header);
        EXPECT_FALSE(georeference.transform);
        EXPECT_EQ(georeference.problem, c.problem);
    }
    EXPECT_NEAR(georeferenceOf(offGrid).largestMiss, 25.0, 1e-6);
}

TEST(Georeference, PixelTextGivesTheCentresMapPositionAndLatitudeLongitude) {
    FastHeader header = griddedHeader(0, 291614.0 - 50 * kPixel, 3921153.0 + 40 * kPixel);
    header.mapZone = 54;
    const Georeference georeference = georeferenceOf(header);
    ASSERT_TRUE(georeference.transform);
    const BandGeoreference band{*georeference.transform, georeference};
    // Pixel (50, 40) is the centre: 35.412 N, 138.705 E in zone 54 (PROJ gives
    // 291614.110 E, 3921152.945 N for it).
    EXPECT_EQ(mapPositionText(band, 50, 40), "E 291614 N 3921153  35.41200N 138.70500E");
}

TEST(GeoreferenceFiles, WorldFileAndAuxiliaryXml) {
    const geo::GeoTransform t{225180.0, 30.0, 0.5, 3608610.0, -0.25, -30.0};
    EXPECT_EQ(worldFileText(t), "30\n-0.25\n0.5\n-30\n225195.25\n3608594.875\n");
    EXPECT_EQ(auxiliaryXmlText(t, "PROJCS[\"A&B\"]"),
              "<PAMDataset>\n  <SRS dataAxisToSRSAxisMapping=\"1,2\">PROJCS[\"A&amp;B\"]</SRS>\n"
              "  <GeoTransform>225180, 30, 0.5, 3608610, -0.25, -30</GeoTransform>\n"
              "</PAMDataset>\n");
    EXPECT_EQ(worldFilePath("C:\\OUT\\SCENE.bmp"), "C:\\OUT\\SCENE.bpw");
    EXPECT_EQ(worldFilePath("SCENE.PNG"), "SCENE.PGW");
    EXPECT_EQ(auxiliaryXmlPath("SCENE.png"), "SCENE.png.aux.xml");
}

}  // namespace
}  // namespace qm
