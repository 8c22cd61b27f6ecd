#include "tools/sample_gen/record_format.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace qm::sample {
namespace {

using Layout = RecordLayout;

void putBigEndian(std::string& file, std::size_t offset, std::uint32_t value, int width) {
    for (int i = width - 1; i >= 0; --i, value >>= 8)
        file[offset + static_cast<std::size_t>(i)] = static_cast<char>(value & 0xFF);
}

// A right-aligned decimal in a field of `width` characters.
void putDecimal(std::string& file, std::size_t offset, int value, int width) {
    char text[32];
    std::snprintf(text, sizeof text, "%*d", width, value);
    file.replace(offset, static_cast<std::size_t>(width), text);
}

void writeDescriptorRecord(std::string& file, int recordLength, int lines) {
    putBigEndian(file, 0, 1, 4);
    file.replace(4, 4, "DESC");
    putBigEndian(file, Layout::kRecordLengthOffset, static_cast<std::uint32_t>(recordLength), 4);
    putDecimal(file, 12, lines, 8);
    putDecimal(file, Layout::kPrefixCountPos, Layout::kPrefixBytes, Layout::kPrefixCountSize);
    putDecimal(file, Layout::kSuffixCountPos, Layout::kSuffixBytes, Layout::kSuffixCountSize);
    const std::string title = "SAMPLE 8-BIT RECORD BAND";
    const std::size_t room = static_cast<std::size_t>(recordLength) - 48;
    file.replace(48, std::min(room, title.size()), title, 0, std::min(room, title.size()));
}

void writeImageRecord(std::string& file, const Raster& band, int line, int recordLength) {
    const std::size_t start = static_cast<std::size_t>(recordLength) * (line + 1);
    putBigEndian(file, start, static_cast<std::uint32_t>(line + 2), 4);
    file.replace(start + 4, 4, "IMGL");
    putBigEndian(file, start + 8, static_cast<std::uint32_t>(recordLength), 4);
    // The prefix holds the line number and pixel count, then the fill counts.
    putBigEndian(file, start + 12, static_cast<std::uint32_t>(line + 1), 4);
    putBigEndian(file, start + 16, static_cast<std::uint32_t>(band.width), 4);
    putBigEndian(file, start + Layout::kLeftFillPos, Layout::kLeftFillBytes, Layout::kLeftFillSize);
    putBigEndian(file, start + Layout::kRightFillPos, Layout::kRightFillBytes,
                 Layout::kRightFillSize);
    std::memcpy(&file[start + static_cast<std::size_t>(Layout::firstPixelOffset())],
                &band.pixels[static_cast<std::size_t>(line) * band.width],
                static_cast<std::size_t>(band.width));
    // The suffix repeats the line number, as a check a reader may make.
    const std::size_t suffix =
        start + static_cast<std::size_t>(recordLength - Layout::kSuffixBytes);
    putBigEndian(file, suffix, static_cast<std::uint32_t>(line + 1), 4);
}

}  // namespace

std::string recordBandFile(const Raster& band) {
    const int recordLength = Layout::recordLength(band.width);
    std::string file(static_cast<std::size_t>(recordLength) * (band.height + 1), '\0');
    writeDescriptorRecord(file, recordLength, band.height);
    for (int line = 0; line < band.height; ++line)
        writeImageRecord(file, band, line, recordLength);
    return file;
}

}  // namespace qm::sample
