#include "tools/sample_gen/fast_format.h"

#include <vector>

namespace qm::sample {
namespace {

// Header lines are 79 characters and a line end: offset 842 is line 10, column 42.
constexpr std::size_t kLineWidth = 79;

std::string fixedLine(const std::string& text) {
    std::string line = text.substr(0, kLineWidth);
    line.resize(kLineWidth, ' ');
    return line + '\n';
}

// The line holding both numbers, each followed by spaces so that reading stops.
std::string geometryLine(std::size_t lineStart, int pixelsPerLine, int lines) {
    std::string line(kLineWidth, ' ');
    const auto put = [&line](std::size_t column, const std::string& text) {
        line.replace(column, text.size(), text);
    };
    const std::size_t pixelsColumn = kHeaderPixelsOffset - lineStart;
    const std::size_t linesColumn = kHeaderLinesOffset - lineStart;
    put(0, "IMAGE SIZE");
    put(pixelsColumn - 18, "PIXELS PER LINE =");
    put(pixelsColumn, std::to_string(pixelsPerLine));
    put(linesColumn - 8, "LINES =");
    put(linesColumn, std::to_string(lines));
    return line + '\n';
}

}  // namespace

std::string fastHeaderText(int pixelsPerLine, int lines, const std::string& satellite) {
    const std::vector<std::string> facts = {
        "PRODUCT = SAMPLE SCENE, SYNTHETIC DATA",
        "SATELLITE = " + satellite,
        "FORMAT = FAST, ONE FILE PER BAND, 8 BITS PER PIXEL",
        "BANDS PRESENT = 12345678",
        "BAND FILES = *_B10.FST ... *_B80.FST",
        "PANCHROMATIC BAND 8 = TWICE THE PIXELS AND LINES",
        "ACQUISITION DATE = 2026/06/15",
        "SUN ELEVATION = 58.2   SUN AZIMUTH = 128.4",
        "MAP PROJECTION = NONE (SYNTHETIC)",
        "RESAMPLING = NONE",
    };
    std::string text;
    for (const std::string& fact : facts)
        text += fixedLine(fact);
    text += geometryLine(text.size(), pixelsPerLine, lines);
    text += fixedLine("END OF HEADER");
    return text;
}

std::string withCrLf(const std::string& text) {
    std::string result;
    result.reserve(text.size() + text.size() / 64);
    for (char c : text) {
        if (c == '\n')
            result += '\r';
        result += c;
    }
    return result;
}

std::string fastBandFile(const Raster& band) {
    return std::string(band.pixels.begin(), band.pixels.end());
}

}  // namespace qm::sample
