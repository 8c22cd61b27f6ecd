#include "tools/sample_gen/fast_header_text.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <stdexcept>

#include "geo/ellipsoid.h"
#include "geo/transverse_mercator.h"
#include "product/fast_header.h"
#include "product/product_catalog.h"

namespace qm::sample {
namespace {

using Lines = std::vector<std::string>;

constexpr std::size_t kLineWidth = 79;  // and a line end
constexpr std::size_t kRecordLength = FastHeader::kRecordLength;

// The scene's facts, the same in all three headers. The centre is the label's
// Center Latitude and Longitude, the date its Obs. Date.
constexpr char kRequestId[] = "SYN7-SAMPLE-0001";
constexpr char kLocation[] = "108/0350000";
constexpr char kAcquisitionDate[] = "20260615";
constexpr geo::GeoPoint kSceneCentre{138.705, 35.412};
constexpr int kUtmZone = 54;
constexpr char kEllipsoid[] = "WGS84";
constexpr double kSunElevation = 58.2;
constexpr double kSunAzimuth = 128.4;

// UTM needs only the axes of the fifteen parameters; the zone stands on a line of
// its own.
constexpr std::size_t kProjectionParameters = FastHeader::kProjectionParameterCount;
// Two file names a line, on three lines whether used or not.
constexpr std::size_t kFileNameLines = 3;
constexpr std::size_t kFileNamesPerLine = 2;

template <typename... Values>
std::string formatted(const char* pattern, Values... values) {
    char text[128];
    std::snprintf(text, sizeof text, pattern, values...);
    return text;
}

// The lines, each padded to its 79 characters and ended, then spaces to 1536.
std::string record(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (line.size() > kLineWidth)
            throw std::length_error("fast-format header line too long: " + line);
        text += line + std::string(kLineWidth - line.size(), ' ') + '\n';
    }
    if (text.size() > kRecordLength)
        throw std::length_error("fast-format header record too long");
    text.resize(kRecordLength, ' ');
    return text;
}

void append(Lines& lines, const Lines& more) {
    lines.insert(lines.end(), more.begin(), more.end());
}

// The line a label product reads its two numbers from, by their offsets in the text:
// they stand at the columns those offsets give for a line starting at `lineStart`.
std::string volumeLine(std::size_t lineStart, int pixelsPerLine, int lines) {
    std::string line(kLineWidth, ' ');
    const auto put = [&line](std::size_t column, const std::string& text) {
        line.replace(column, text.size(), text);
    };
    const std::string pixelsLabel = "PIXELS PER LINE =";
    const std::string linesLabel = "LINES PER BAND =";
    const std::size_t pixelsColumn = kHeaderPixelsOffset - lineStart;
    const std::size_t linesColumn = kHeaderLinesOffset - lineStart;
    put(0, "VOLUME #/# IN SET =01/01");
    put(pixelsColumn - pixelsLabel.size(), pixelsLabel);
    put(pixelsColumn, formatted("%05d", pixelsPerLine));
    put(linesColumn - linesLabel.size(), linesLabel);
    put(linesColumn, formatted("%05d/%05d", lines, lines));
    return line;
}

Lines fileNameLines(const std::vector<HeaderBand>& bands) {
    if (bands.size() > kFileNameLines * kFileNamesPerLine)
        throw std::length_error("a fast-format header names at most six band files");
    Lines lines(kFileNameLines);
    for (std::size_t i = 0; i < bands.size(); ++i) {
        std::string& line = lines[i / kFileNamesPerLine];
        line += (line.empty() ? "" : " ") + formatted("FILENAME =%-29s", bands[i].fileName.c_str());
    }
    return lines;
}

std::string administrativeRecord(const FastHeaderContent& content) {
    Lines lines = {
        formatted("REQ ID =%-20s LOC =%s ACQUISITION DATE =%s", kRequestId, kLocation,
                  kAcquisitionDate),
        formatted("SATELLITE =%-10s SENSOR =%-10s SENSOR MODE =NORMAL LOOK ANGLE = 0.00",
                  content.satellite.c_str(), content.sensor.c_str()),
        // Where a header joining several scenes names their places and dates.
        "",
        "",
        "",
        "",
        "",
        "",
        "PRODUCT TYPE =MAP ORIENTED      PRODUCT SIZE =FULL SCENE",
        "TYPE OF PROCESSING =SYSTEMATIC  RESAMPLING =CC",
    };
    lines.push_back(
        volumeLine(lines.size() * (kLineWidth + 1), content.pixelsPerLine, content.lines));
    lines.push_back(
        formatted("START LINE # =     1 BLOCKING FACTOR = 1 REC SIZE =%8d PIXEL SIZE =%.2f",
                  content.pixelsPerLine, content.pixelSize));
    lines.push_back("OUTPUT BITS PER PIXEL = 8 ACQUIRED BITS PER PIXEL = 8");
    lines.push_back("BANDS PRESENT =" + content.bandsPresent);
    append(lines, fileNameLines(content.bands));
    lines.push_back("REV            L7A");
    return record(lines);
}

// Bias first, then gain, one band a line.
std::string radiometricRecord(const FastHeaderContent& content) {
    Lines lines = {"GAINS AND BIASES IN ASCENDING BAND NUMBER ORDER"};
    for (const HeaderBand& band : content.bands)
        lines.push_back(formatted("%23.15f%25.15f", band.calibration.bias, band.calibration.gain));
    return record(lines);
}

// DDDMMSS.SSSS (DDMMSS.SSSS for a latitude) and the hemisphere letter. The angle is
// rounded as a whole, so that 59.99996 seconds carry into the minute.
std::string dmsText(double degrees, int degreeDigits, char positive, char negative) {
    constexpr long long kPerSecond = 10000;
    const long long units = std::llround(std::abs(degrees) * 3600.0 * kPerSecond);
    const int seconds = static_cast<int>(units / kPerSecond);
    const int fraction = static_cast<int>(units % kPerSecond);
    return formatted("%0*d%02d%02d.%04d%c", degreeDigits, seconds / 3600, seconds / 60 % 60,
                     seconds % 60, fraction, degrees < 0 ? negative : positive);
}

// A north-up grid of square pixels whose picture has its centre at `centre`.
struct PixelGrid {
    geo::MapPoint centre;
    double pixelSize;
    int columns;
    int lines;

    // The centre of the pixel at (column, line), lines counted down from the top.
    geo::MapPoint pixelCentre(int column, int line) const {
        return {centre.easting + (column + 0.5 - columns / 2.0) * pixelSize,
                centre.northing - (line + 0.5 - lines / 2.0) * pixelSize};
    }
};

// "UL =1384218.0000E 352443.2000N 478123.000 3918234.000": where the point lies on
// the Earth, then on the map.
std::string positionLine(const char* label, const geo::TransverseMercator& projection,
                         const geo::MapPoint& point) {
    const geo::GeoPoint place = projection.inverse(point);
    return formatted("%s =", label) + dmsText(place.longitude, 3, 'E', 'W') + " " +
           dmsText(place.latitude, 2, 'N', 'S') +
           formatted(" %.3f %.3f", point.easting, point.northing);
}

Lines projectionParameterLines(const geo::Ellipsoid& ellipsoid) {
    std::array<double, kProjectionParameters> parameters{};
    parameters[0] = ellipsoid.semiMajorAxis;
    parameters[1] = ellipsoid.semiMinorAxis();
    Lines lines = {"USGS PROJECTION PARAMETERS ="};
    for (const double parameter : parameters) {
        const std::string number = formatted(" %.9f", parameter);
        if (lines.back().size() + number.size() > kLineWidth)
            lines.push_back(" ");
        lines.back() += number;
    }
    return lines;
}

std::string geometricRecord(const FastHeaderContent& content) {
    const geo::Ellipsoid ellipsoid = geo::ellipsoidNamed(kEllipsoid).value();
    const geo::TransverseMercator utm(ellipsoid, geo::utmSettings(kUtmZone, false));
    const geo::MapPoint centre = utm.forward(kSceneCentre);
    const PixelGrid grid{{std::round(centre.easting), std::round(centre.northing)},
                         content.pixelSize,
                         content.pixelsPerLine,
                         content.lines};
    const int lastColumn = grid.columns - 1;
    const int lastLine = grid.lines - 1;

    Lines lines = {formatted("GEOMETRIC DATA MAP PROJECTION =UTM  ELLIPSOID =%s  DATUM =%s",
                             kEllipsoid, kEllipsoid)};
    append(lines, projectionParameterLines(ellipsoid));
    lines.push_back(formatted("USGS MAP ZONE =%d", kUtmZone));
    lines.push_back(positionLine("UL", utm, grid.pixelCentre(0, 0)));
    lines.push_back(positionLine("UR", utm, grid.pixelCentre(lastColumn, 0)));
    lines.push_back(positionLine("LR", utm, grid.pixelCentre(lastColumn, lastLine)));
    lines.push_back(positionLine("LL", utm, grid.pixelCentre(0, lastLine)));
    lines.push_back(positionLine("CENTER", utm, grid.centre) +
                    formatted(" %d %d", grid.columns / 2, grid.lines / 2));
    lines.push_back("OFFSET =    0 ORIENTATION ANGLE = 0.00");
    lines.push_back(
        formatted("SUN ELEVATION ANGLE =%.1f SUN AZIMUTH ANGLE =%.1f", kSunElevation, kSunAzimuth));
    return record(lines);
}

}  // namespace

std::string fastHeaderText(const FastHeaderContent& content) {
    return administrativeRecord(content) + radiometricRecord(content) + geometricRecord(content);
}

}  // namespace qm::sample
