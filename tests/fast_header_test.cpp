// The whole Fast-L7A header: every field by its label, whatever the line ends, and
// absent (never 0) when it is missing or does not parse.
#include "product/fast_header.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "product/product_catalog.h"
#include "tests/support/product_files.h"

namespace qm {
namespace {

using Lines = std::vector<std::string>;

const Lines kAdministrative = {
    "REQ ID =0119910170011_00001 LOC =118/0380000 ACQUISITION DATE =19991201",
    "SATELLITE =LANDSAT7   SENSOR =ETM+       SENSOR MODE =NORMAL LOOK ANGLE = 0.00",
    "LOCATION =                 ACQUISITION DATE =20000101",
    "",
    "",
    "",
    "",
    "",
    "PRODUCT TYPE =MAP ORIENTED      PRODUCT SIZE =FULL SCENE",
    "TYPE OF PROCESSING =SYSTEMATIC  RESAMPLING =CC",
    // Line 10: the two numbers a label product reads stand at offsets 842 and 864.
    "VOLUME #/# IN SET =01/01 PIXELS PER LINE =07531 LINES PER BAND =06801/06801",
    "START LINE # =     1 BLOCKING FACTOR = 1 REC SIZE =    7531 PIXEL SIZE =30.00",
    "OUTPUT BITS PER PIXEL = 8 ACQUIRED BITS PER PIXEL = 8",
    "BANDS PRESENT =123457",
    "FILENAME =L71118038_03819991201_B10.FST FILENAME =L71118038_03819991201_B20.FST",
    "FILENAME =L71118038_03819991201_B30.FST FILENAME =L71118038_03819991201_B40.FST",
    "FILENAME =L71118038_03819991201_B50.FST FILENAME =L71118038_03819991201_B70.FST",
    "REV            L7A",
};

const Lines kRadiometric = {
    "GAINS AND BIASES IN ASCENDING BAND NUMBER ORDER",
    "     -6.199999809265137        0.786274552345276",
    "     -6.400000095367432        0.817254900932312",
    "     -5.000000000000000        0.639607846736908",
    "     -5.099999904632568        0.635294139385223",
    "     -0.999999761581421        0.128235295414925",
    "     -0.349999994039536        0.044313725829124",
};

const Lines kGeometric = {
    "GEOMETRIC DATA MAP PROJECTION =UTM  ELLIPSOID =WGS84             DATUM =WGS84",
    "USGS PROJECTION PARAMETERS = 6378137.000000000 6356752.314200000 0.999600000",
    "  0.000000000000000 141000000.0 0.0 500000.000000000 0.0 0.0 0.0 0.0",
    "  0.0 0.0 0.0 0.0  USGS MAP ZONE =50",
    "UL =1200351.5338E 323017.9373N 225195.000 3608595.000",
    "UR =1222411.4196E 323055.5136N 451095.000 3608595.000",
    "LR =1222315.6010W 303040.7213S 451095.000 3404595.000",
    "LL =1200543.7007E 303001.5562N 225195.000 3404595.000",
    "CENTER =1211333.4322E 313034.6016N 338145.000 3506595.000 3766 3401",
    "OFFSET = -2 ORIENTATION ANGLE = 0.00",
    "SUN ELEVATION ANGLE =36.3 SUN AZIMUTH ANGLE =149.3",
};

using test::LineEnds;

std::string header(LineEnds ends, const Lines& administrative = kAdministrative,
                   const Lines& radiometric = kRadiometric, const Lines& geometric = kGeometric) {
    return test::landsatHeader(administrative, radiometric, geometric, ends);
}

TEST(FastHeader, EveryFieldWhateverTheLineEnds) {
    for (const LineEnds ends : {LineEnds::Lf, LineEnds::CrLf, LineEnds::None}) {
        SCOPED_TRACE(static_cast<int>(ends));
        const FastHeader h = parseFastHeader(header(ends));
        EXPECT_EQ(h.requestId, "0119910170011_00001");
        EXPECT_EQ(h.location, "118/0380000");
        EXPECT_EQ(h.path, 118);
        EXPECT_EQ(h.row, 38);
        ASSERT_TRUE(h.acquisitionDate);  // the first of two dates
        EXPECT_EQ(h.acquisitionDate->year, 1999);
        EXPECT_EQ(h.acquisitionDate->month, 12);
        EXPECT_EQ(h.acquisitionDate->day, 1);
        EXPECT_EQ(h.satellite, "LANDSAT7");
        EXPECT_EQ(h.sensor, "ETM+");
        EXPECT_EQ(h.sensorMode, "NORMAL");
        EXPECT_EQ(h.lookAngle, 0.0);
        EXPECT_EQ(h.productType, "MAP ORIENTED");
        EXPECT_EQ(h.productSize, "FULL SCENE");
        EXPECT_EQ(h.processing, "SYSTEMATIC");
        EXPECT_EQ(h.resampling, "CC");
        EXPECT_EQ(h.pixelsPerLine, 7531);
        EXPECT_EQ(h.linesPerBand, 6801);
        EXPECT_EQ(h.pixelSize, 30.0);
        EXPECT_EQ(h.outputBitsPerPixel, 8);
        EXPECT_EQ(h.bandsPresent, "123457");
        ASSERT_EQ(h.fileNames.size(), 6u);
        EXPECT_EQ(h.fileNames[0], "L71118038_03819991201_B10.FST");
        EXPECT_EQ(h.fileNames[5], "L71118038_03819991201_B70.FST");
        EXPECT_EQ(h.revision, "L7A");

        // Bias first, then gain, as the values of real headers show.
        ASSERT_EQ(h.calibrations.size(), 6u);
        EXPECT_DOUBLE_EQ(h.calibrations[0].bias, -6.199999809265137);
        EXPECT_DOUBLE_EQ(h.calibrations[0].gain, 0.786274552345276);
        EXPECT_DOUBLE_EQ(h.calibrations[5].radiance(100), -0.349999994039536 + 4.4313725829124);

        EXPECT_EQ(h.mapProjection, "UTM");
        EXPECT_EQ(h.ellipsoid, "WGS84");
        EXPECT_EQ(h.datum, "WGS84");
        ASSERT_TRUE(h.projectionParameters);
        EXPECT_EQ((*h.projectionParameters)[0], 6378137.0);
        EXPECT_EQ((*h.projectionParameters)[4], 141000000.0);
        EXPECT_EQ((*h.projectionParameters)[14], 0.0);
        EXPECT_EQ(h.mapZone, 50);
        EXPECT_NEAR(*h.upperLeft.longitude, 120 + 3 / 60.0 + 51.5338 / 3600, 1e-12);
        EXPECT_NEAR(*h.upperLeft.latitude, 32 + 30 / 60.0 + 17.9373 / 3600, 1e-12);
        EXPECT_EQ(h.upperLeft.easting, 225195.0);
        EXPECT_EQ(h.upperLeft.northing, 3608595.0);
        EXPECT_LT(*h.lowerRight.longitude, 0.0);  // W and S count negative
        EXPECT_LT(*h.lowerRight.latitude, 0.0);
        EXPECT_EQ(h.lowerLeft.easting, 225195.0);
        EXPECT_EQ(h.center.northing, 3506595.0);
        EXPECT_EQ(h.centerPixel, 3766.0);
        EXPECT_EQ(h.centerLine, 3401.0);
        EXPECT_EQ(h.offset, -2.0);
        EXPECT_EQ(h.orientationAngle, 0.0);
        EXPECT_EQ(h.sunElevation, 36.3);
        EXPECT_EQ(h.sunAzimuth, 149.3);
    }
}

// The label products' two numbers, read by offset, agree with the fields.
TEST(FastHeader, LabelProductsOffsetsReadTheSameNumbers) {
    int pixels = 0;
    int lines = 0;
    ASSERT_TRUE(parseFastFormatHeader(header(LineEnds::Lf), pixels, lines));
    EXPECT_EQ(pixels, 7531);
    EXPECT_EQ(lines, 6801);
}

TEST(FastHeader, AbsentOrMalformedFieldsAreAbsent) {
    const Lines administrative = {
        "REQ ID =   LOC =118 ACQUISITION DATE =19991341",
        "SATELLITE =LANDSAT7 LOOK ANGLE =x.5  PIXEL SIZE =nan",
        "PIXELS PER LINE =99999999999 LINES PER BAND =",
        "SENSOR MODE =NORMAL",  // no SENSOR of its own
    };
    const Lines geometric = {
        "MAP PROJECTION =UTM",
        "USGS PROJECTION PARAMETERS = 1 2 3 4 5 6 7 8 9 10 11 12 13 14",  // one short
        "UL =1200351.5338X 323017.9373N 225195.0x0",
        "CENTER =1211333.4322E 313034.6016N 338145.000 3506595.000 3766",
    };
    const FastHeader h = parseFastHeader(header(LineEnds::Lf, administrative, {}, geometric));
    EXPECT_FALSE(h.requestId);
    EXPECT_EQ(h.location, "118");
    EXPECT_FALSE(h.path);
    EXPECT_FALSE(h.row);
    EXPECT_FALSE(h.acquisitionDate);  // month 13
    EXPECT_FALSE(h.sensor);
    EXPECT_EQ(h.sensorMode, "NORMAL");
    EXPECT_FALSE(h.lookAngle);
    EXPECT_FALSE(h.pixelSize);
    EXPECT_FALSE(h.pixelsPerLine);  // past 32 bits
    EXPECT_FALSE(h.linesPerBand);
    EXPECT_TRUE(h.fileNames.empty());
    EXPECT_FALSE(h.revision);
    EXPECT_TRUE(h.calibrations.empty());
    EXPECT_FALSE(h.projectionParameters);
    EXPECT_FALSE(h.mapZone);
    EXPECT_FALSE(h.upperLeft.longitude);
    EXPECT_EQ(h.upperLeft.latitude.has_value(), true);
    EXPECT_FALSE(h.upperLeft.easting);
    EXPECT_FALSE(h.upperLeft.northing);
    EXPECT_FALSE(h.upperRight.latitude);
    EXPECT_EQ(h.center.northing, 3506595.0);
    EXPECT_FALSE(h.centerPixel);  // the line is missing too
    EXPECT_FALSE(h.sunElevation);
}

// Any cut of a header parses without reading past its end (the sanitizers watch).
TEST(FastHeader, EveryCutOfAHeaderParses) {
    const std::string whole = header(LineEnds::CrLf);
    for (std::size_t length = 0; length <= whole.size(); length += 7) {
        const std::vector<char> bytes(whole.begin(), whole.begin() + static_cast<long>(length));
        const FastHeader h = parseFastHeader(std::string_view(bytes.data(), bytes.size()));
        if (length < 1536) {
            EXPECT_FALSE(h.mapZone);
        }
    }
}

}  // namespace
}  // namespace qm
