#include "tools/cli/pixel_report.h"

#include <cmath>
#include <cstdio>
#include <iomanip>
#include <sstream>
#include <string_view>

#include <nlohmann/json.hpp>

#include "platform/platform.h"
#include "tools/cli/report_line.h"

namespace qm::cli {
namespace {

// Keys keep the order in which they are written, as in info's report.
using Json = nlohmann::ordered_json;

// Map positions to the centimetre; degrees to six decimals, about 0.1 m.
constexpr char kMetresFormat[] = "%.2f";
constexpr char kDegreesFormat[] = "%.6f";
constexpr char kRadianceFormat[] = "%.3f";

// The last bits of a sum of products are noise: a radiance of 60.478 comes out
// 60.477999999999994, a northing of 3939138 m 1e-9 m off. JSON gives radiances to
// nine decimals and map positions to the micrometre, far finer than any header.
constexpr double kRadianceSteps = 1e9;
constexpr double kMapSteps = 1e6;

double rounded(double value, double stepsPerUnit) {
    return std::round(value * stepsPerUnit) / stepsPerUnit;
}

std::string formatted(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

void writeLocation(std::ostream& out, const PixelLocation& location) {
    writeLine(out, "Easting (m)", formatted(kMetresFormat, location.map.easting));
    writeLine(out, "Northing (m)", formatted(kMetresFormat, location.map.northing));
    if (!location.geographic)
        return;
    writeLine(out, "Latitude (deg)", formatted(kDegreesFormat, location.geographic->latitude));
    writeLine(out, "Longitude (deg)", formatted(kDegreesFormat, location.geographic->longitude));
}

void writeBand(std::ostream& out, const ProfileEntry& band) {
    const std::string value = band.value ? std::to_string(*band.value) : "-";
    const std::string radiance = band.radiance ? formatted(kRadianceFormat, *band.radiance) : "-";
    out << std::right << std::setw(4) << band.bandIndex << std::setw(7) << value << std::setw(12)
        << radiance << "  " << platform::consoleTextFromAnsi(band.name) << '\n';
}

}  // namespace

std::string pixelTextReport(const PixelReading& reading) {
    std::ostringstream out;
    writeLine(out, "Column", std::to_string(reading.column));
    writeLine(out, "Line", std::to_string(reading.line));
    if (reading.location)
        writeLocation(out, *reading.location);
    out << "\nBand  Value    Radiance  Name\n";
    for (const ProfileEntry& band : reading.bands)
        writeBand(out, band);
    return out.str();
}

std::string pixelJsonReport(const PixelReading& reading) {
    Json report;
    report["column"] = reading.column;
    report["line"] = reading.line;
    if (reading.location) {
        report["easting"] = rounded(reading.location->map.easting, kMapSteps);
        report["northing"] = rounded(reading.location->map.northing, kMapSteps);
        if (reading.location->geographic) {
            report["latitude"] = reading.location->geographic->latitude;
            report["longitude"] = reading.location->geographic->longitude;
        }
    }
    Json bands = Json::array();
    for (const ProfileEntry& entry : reading.bands) {
        Json band;
        band["index"] = entry.bandIndex;
        band["name"] = platform::utf8FromAnsi(entry.name);
        band["value"] = entry.value ? Json(*entry.value) : Json(nullptr);
        band["radiance"] =
            entry.radiance ? Json(rounded(*entry.radiance, kRadianceSteps)) : Json(nullptr);
        bands.push_back(std::move(band));
    }
    report["bands"] = std::move(bands);
    // As info's report: indented, and a stray byte in a name replaced rather than
    // thrown over.
    return report.dump(2, ' ', false, Json::error_handler_t::replace);
}

}  // namespace qm::cli
