// A Landsat 7 fast-format (Fast-L7A) header, read whole: three records of 1536
// characters (administrative, radiometric, geometric) of 80-character lines,
// ended by a line feed, CR LF or nothing at all. Fields are found by their labels,
// the first occurrence within their record, not by column; a field that is absent
// or does not parse is absent, never 0.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

struct HeaderDate {
    int year = 0;
    int month = 0;
    int day = 0;

    // "2026-06-15".
    std::string isoText() const;
    bool operator==(const HeaderDate&) const = default;
};

// A band's calibration: its radiance is bias + gain x value, in W/(m2 sr um).
struct BandCalibration {
    double bias = 0.0;
    double gain = 0.0;

    double radiance(int value) const { return bias + gain * value; }
    bool operator==(const BandCalibration&) const = default;
};

// A corner (or the centre) of the picture as the geometric record gives it.
struct HeaderCorner {
    std::optional<double> longitude;  // decimal degrees, east positive
    std::optional<double> latitude;   // decimal degrees, north positive
    std::optional<double> easting;    // metres, as written
    std::optional<double> northing;   // metres

    bool operator==(const HeaderCorner&) const = default;
};

struct FastHeader {
    static constexpr std::size_t kRecordLength = 1536;
    static constexpr std::size_t kProjectionParameterCount = 15;

    // Administrative record.
    std::optional<std::string> requestId;
    std::optional<std::string> location;  // path/row as written, e.g. 118/0380000
    std::optional<int> path;
    std::optional<int> row;
    std::optional<HeaderDate> acquisitionDate;
    std::optional<std::string> satellite;
    std::optional<std::string> sensor;
    std::optional<std::string> sensorMode;
    std::optional<double> lookAngle;
    std::optional<std::string> productType;
    std::optional<std::string> productSize;
    std::optional<std::string> processing;  // TYPE OF PROCESSING
    std::optional<std::string> resampling;
    std::optional<int> pixelsPerLine;
    std::optional<int> linesPerBand;
    std::optional<double> pixelSize;
    std::optional<int> outputBitsPerPixel;
    std::optional<std::string> bandsPresent;
    std::vector<std::string> fileNames;  // every FILENAME, in order
    std::optional<std::string> revision;

    // Radiometric record: one per band present, in ascending band number order.
    std::vector<BandCalibration> calibrations;

    // Geometric record.
    std::optional<std::string> mapProjection;
    std::optional<std::string> ellipsoid;
    std::optional<std::string> datum;
    std::optional<std::array<double, kProjectionParameterCount>> projectionParameters;
    std::optional<int> mapZone;
    HeaderCorner upperLeft;
    HeaderCorner upperRight;
    HeaderCorner lowerRight;
    HeaderCorner lowerLeft;
    HeaderCorner center;
    std::optional<double> centerPixel;
    std::optional<double> centerLine;
    std::optional<double> offset;
    std::optional<double> orientationAngle;
    std::optional<double> sunElevation;
    std::optional<double> sunAzimuth;

    bool operator==(const FastHeader&) const = default;
};

// The header's fields from its bytes as the file holds them. Reads nothing outside
// `bytes`.
FastHeader parseFastHeader(std::string_view bytes);
// The same from the header's text, its line ends already as platform::textFromBytes
// gives them.
FastHeader parseFastHeaderText(std::string_view text);

// The header file at the path; nothing when it cannot be read.
std::optional<FastHeader> readFastHeader(const std::string& path);

}  // namespace qm
