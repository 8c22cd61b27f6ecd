// Reading a band file's lines into its bottom-up pixel buffer, or one pixel alone.
//
// Row r of the buffer is the line whose record starts (r + 1) records before the
// end of the file (a remainder after the last whole record shifts every row rather
// than being skipped), so the file is read from its end towards its start. Many
// records come in one system call: a block of consecutive records is read into a
// scratch area and its rows are then placed bottom-up from there; records that
// are nothing but pixels are read straight into their rows and turned in place.
#pragma once

#include <cstdint>
#include <functional>

#include "band/band_image.h"
#include "platform/platform.h"

namespace qm {

// Told after each block how many rows, from row 0 on, are now in place; the count
// only grows, and the last call gives the geometry's lineCount.
using RowsPlaced = std::function<void(std::int32_t rows)>;

// Reads the geometry's rows from the file into pixels (lineCount rows of
// pixelsPerLine bytes). Bytes before the start of the file, past its end or
// missing after a short read are 0. Record length, line count and pixels per line
// must be positive and the buffer's size within 32 bits, as the caller's
// allocation already made sure; the first pixel may lie anywhere, even outside its
// record, and a line may be longer than its record.
void readRowsBottomUp(platform::File& file, std::int64_t fileSize,
                      const BandImage::Geometry& geometry, std::uint8_t* pixels,
                      const RowsPlaced& placed);

// The byte of buffer row `row` at the column, by one positioned read of the file; 0
// when the file lacks it (before its start, past its end, a short read).
std::uint8_t readPixelBottomUp(platform::File& file, std::int64_t fileSize,
                               const BandImage::Geometry& geometry, std::int64_t row,
                               std::int64_t column);

}  // namespace qm
