// The exported bitmap file: every pixel of the picture at full resolution through
// its channel's level table, as an 8-bit file with a grey palette (single-band
// mode) or a 24-bit file (three-band mode).
//
// File layout, integers little-endian: a 14-byte file header, a 40-byte info
// header, colour entry 0 (four zero bytes), in an 8-bit file the grey entries 1 to
// 255, then the pixel rows. Rows are stored bottom-up, as the band buffers hold
// them: buffer line 0 is the first row of the file. Each row is padded with zero
// bytes to a multiple of 4.
//
// The caller opens the file, writes bitmapFileHeader() and then the rows with
// writeGreyRows() or writeColourRows(), all through one stream.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/platform.h"
#include "view/channel_source.h"
#include "view/display_mode.h"

namespace qm {

// Where everything of one exported file lies.
struct BitmapFileLayout {
    std::int32_t width = 0;   // pixels per line
    std::int32_t height = 0;  // lines
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t pixelOffset = 0;  // where the first row starts: 1078 or 58
    std::size_t rowBytes = 0;       // pixel bytes of a row, padding excluded
    std::size_t rowPadding = 0;
    std::uint32_t fileSize = 0;

    std::size_t rowStride() const { return rowBytes + rowPadding; }
};

// The zero bytes that fill a row of width pixels of bitsPerPixel bits up to whole
// 32-bit words: 0 to 3.
std::size_t bitmapRowPadding(int bitsPerPixel, std::int32_t width);

// The layout of the file for single-band mode (8-bit grey) or three-band mode
// (24-bit colour).
// Nothing for any other mode, an empty picture, or a file longer than its 32-bit
// size field can state: such a picture is refused before anything is written.
std::optional<BitmapFileLayout> bitmapFileLayout(DisplayMode displayMode, std::int32_t width,
                                                 std::int32_t height);

// Everything before the first row: layout.pixelOffset bytes.
std::vector<std::uint8_t> bitmapFileHeader(const BitmapFileLayout& layout);

// All rows of an 8-bit file, buffer line 0 first, written to the file after the
// header: the grey channel's pixels through its table. False when the layout is
// not an 8-bit one or a write fails.
bool writeGreyRows(platform::File& file, const BitmapFileLayout& layout, const ChannelSource& grey);

// All rows of a 24-bit file, buffer line 0 first, blue green red per pixel. A
// channel without pixels gives 0 bytes. False when the layout is not a 24-bit one
// or a write fails.
bool writeColourRows(platform::File& file, const BitmapFileLayout& layout,
                     const ChannelSources& sources);

}  // namespace qm
