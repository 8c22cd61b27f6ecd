#include "band/bottom_up_reading.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

namespace qm {
namespace {

// About this many bytes of records per system call: few calls for a whole band,
// and a block small enough that its rows are still in the cache when they are
// placed and counted.
constexpr std::int64_t kBlockBytes = 1 << 20;
// A damaged record-format file can state framing whose lines are far longer than
// its records; no scratch area larger than this is made for one.
constexpr std::int64_t kLargestSpan = 2 * kBlockBytes;

// Where the pixels of buffer row `row` start in a file of fileSize bytes: the
// first pixel offset into the record that starts (row + 1) records before the end
// of the file. Negative before the start of the file. Loading a band and reading
// one pixel both place rows by it; row r shows line lineCount - 1 - r from the top.
std::int64_t rowPosition(std::int64_t fileSize, const BandImage::Geometry& geometry,
                         std::int64_t row) {
    return fileSize + geometry.firstPixelOffset - (row + 1) * geometry.recordLength;
}

// Zeroes the bytes of a row of `length` bytes that lie outside [start, end).
void zeroOutside(std::uint8_t* row, std::int64_t length, std::int64_t start, std::int64_t end) {
    std::memset(row, 0, static_cast<std::size_t>(start));
    std::memset(row + end, 0, static_cast<std::size_t>(length - end));
}

// Copies the `length` bytes that start at `from` in a span of which only
// [valid, validEnd) arrived; every other byte of the row becomes 0.
void placeRow(const std::uint8_t* span, std::int64_t from, std::int64_t length, std::int64_t valid,
              std::int64_t validEnd, std::uint8_t* row) {
    const std::int64_t start = std::clamp(valid - from, std::int64_t{0}, length);
    const std::int64_t end = std::clamp(validEnd - from, start, length);
    std::memcpy(row + start, span + from + start, static_cast<std::size_t>(end - start));
    zeroOutside(row, length, start, end);
}

// One line read straight into its row: for records so long that a block holds one.
void readRow(platform::File& file, std::int64_t position, std::uint8_t* row, std::int64_t length) {
    const std::int64_t skipped = std::clamp(-position, std::int64_t{0}, length);
    std::int64_t got = 0;
    if (skipped < length) {
        got = static_cast<std::int64_t>(file.readAt(position + skipped, row + skipped,
                                                    static_cast<std::size_t>(length - skipped)));
    }
    zeroOutside(row, length, skipped, skipped + got);
}

// Rows whose records together span this many bytes at most, however long a record.
struct Blocks {
    std::int64_t rowsPerBlock = 1;
    std::int64_t spanBytes = 0;  // the bytes one block of records covers
};

Blocks blocksFor(const BandImage::Geometry& geometry) {
    Blocks blocks;
    blocks.rowsPerBlock =
        std::clamp<std::int64_t>(kBlockBytes / geometry.recordLength, 1, geometry.lineCount);
    blocks.spanBytes = (blocks.rowsPerBlock - 1) * geometry.recordLength + geometry.pixelsPerLine;
    return blocks;
}

// Rows first .. first + count - 1 from one read of the records they lie in. The
// lowest row's record is the last in the file, so the span starts at the record of
// the highest row.
void readBlock(platform::File& file, std::int64_t fileSize, const BandImage::Geometry& geometry,
               std::int64_t first, std::int64_t count, std::uint8_t* span, std::uint8_t* pixels) {
    const std::int64_t spanStart = rowPosition(fileSize, geometry, first + count - 1);
    const std::int64_t spanEnd = rowPosition(fileSize, geometry, first) + geometry.pixelsPerLine;
    const std::int64_t readStart = std::max(spanStart, std::int64_t{0});
    std::int64_t got = 0;
    if (readStart < spanEnd) {
        got = static_cast<std::int64_t>(file.readAt(readStart, span + (readStart - spanStart),
                                                    static_cast<std::size_t>(spanEnd - readStart)));
    }
    const std::int64_t valid = readStart - spanStart;
    const std::int64_t rowBytes = geometry.pixelsPerLine;
    for (std::int64_t r = first; r < first + count; ++r) {
        const std::int64_t from = (first + count - 1 - r) * geometry.recordLength;
        placeRow(span, from, rowBytes, valid, valid + got, pixels + r * rowBytes);
    }
}

// Records that hold nothing but their pixels, as the fast format's bands other
// than the panchromatic one do: the rows of a block are their records, in the
// opposite order.
bool recordsArePixels(const BandImage::Geometry& geometry) {
    return geometry.recordLength == geometry.pixelsPerLine && geometry.firstPixelOffset == 0;
}

// Puts count rows of rowBytes bytes in the opposite order, in place.
void reverseRows(std::uint8_t* rows, std::int64_t count, std::int64_t rowBytes) {
    for (std::int64_t i = 0, j = count - 1; i < j; ++i, --j)
        std::swap_ranges(rows + i * rowBytes, rows + (i + 1) * rowBytes, rows + j * rowBytes);
}

// Rows first .. first + count - 1 when records are pixels: their records, read
// straight into the rows they fill, top line first, then turned bottom-up while
// they are still in the cache. No scratch area, no copy.
void readBlockInPlace(platform::File& file, std::int64_t fileSize,
                      const BandImage::Geometry& geometry, std::int64_t first, std::int64_t count,
                      std::uint8_t* pixels) {
    const std::int64_t rowBytes = geometry.pixelsPerLine;
    std::uint8_t* rows = pixels + first * rowBytes;
    const std::int64_t spanStart = rowPosition(fileSize, geometry, first + count - 1);
    const std::int64_t spanBytes = count * rowBytes;
    const std::int64_t skipped = std::clamp(-spanStart, std::int64_t{0}, spanBytes);
    std::int64_t got = 0;
    if (skipped < spanBytes) {
        got = static_cast<std::int64_t>(file.readAt(spanStart + skipped, rows + skipped,
                                                    static_cast<std::size_t>(spanBytes - skipped)));
    }
    zeroOutside(rows, spanBytes, skipped, skipped + got);
    reverseRows(rows, count, rowBytes);
}

}  // namespace

std::uint8_t readPixelBottomUp(platform::File& file, std::int64_t fileSize,
                               const BandImage::Geometry& geometry, std::int64_t row,
                               std::int64_t column) {
    std::uint8_t pixel = 0;
    file.readAt(rowPosition(fileSize, geometry, row) + column, &pixel, 1);
    return pixel;
}

void readRowsBottomUp(platform::File& file, std::int64_t fileSize,
                      const BandImage::Geometry& geometry, std::uint8_t* pixels,
                      const RowsPlaced& placed) {
    const std::int64_t lines = geometry.lineCount;
    const Blocks blocks = blocksFor(geometry);
    const bool inPlace = recordsArePixels(geometry);
    // Other records go through a scratch area; without one (a single record longer
    // than a block, lines far longer than their records, or no memory for one) each
    // line is read straight into its row.
    std::unique_ptr<std::uint8_t[]> span;
    if (!inPlace && blocks.rowsPerBlock > 1 && blocks.spanBytes <= kLargestSpan)
        span.reset(new (std::nothrow) std::uint8_t[static_cast<std::size_t>(blocks.spanBytes)]);
    const std::int64_t step = inPlace || span ? blocks.rowsPerBlock : 1;
    for (std::int64_t first = 0; first < lines; first += step) {
        const std::int64_t count = std::min(step, lines - first);
        if (inPlace) {
            readBlockInPlace(file, fileSize, geometry, first, count, pixels);
        } else if (span) {
            readBlock(file, fileSize, geometry, first, count, span.get(), pixels);
        } else {
            readRow(file, rowPosition(fileSize, geometry, first),
                    pixels + first * geometry.pixelsPerLine, geometry.pixelsPerLine);
        }
        if (placed)
            placed(static_cast<std::int32_t>(first + count));
    }
}

}  // namespace qm
