#include "view/bitmap_file.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <limits>

namespace qm {
namespace {

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kColourEntryBytes = 4;
constexpr std::uint32_t kGreyPaletteEntries = 256;
// A 24-bit file keeps colour entry 0, all zero, before its rows.
constexpr std::uint32_t kColourPixelOffset =
    kFileHeaderBytes + kInfoHeaderBytes + kColourEntryBytes;  // 58
constexpr std::uint32_t kGreyPixelOffset =
    kFileHeaderBytes + kInfoHeaderBytes + kGreyPaletteEntries * kColourEntryBytes;  // 1078
constexpr std::uint32_t kPaletteOffset = kFileHeaderBytes + kInfoHeaderBytes;

// Rows are gathered into pieces of about this size before each write: few system
// calls for a whole picture (a 24-bit one of 8000 x 7000 pixels writes in 1 MiB
// pieces nearly twice as fast as in 64 KiB ones), while a piece still fits the
// cache it is mapped into.
constexpr std::size_t kChunkBytes = 1024 * 1024;

void put16(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

void put32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i, value >>= 8)
        bytes[offset + i] = static_cast<std::uint8_t>(value);
}

void putFileHeader(std::vector<std::uint8_t>& bytes, const BitmapFileLayout& layout) {
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(bytes, 2, layout.fileSize);
    put32(bytes, 10, layout.pixelOffset);  // both reserved fields stay 0
}

void putInfoHeader(std::vector<std::uint8_t>& bytes, const BitmapFileLayout& layout) {
    put32(bytes, 14, kInfoHeaderBytes);
    put32(bytes, 18, static_cast<std::uint32_t>(layout.width));
    // Positive height: the rows are stored bottom-up.
    put32(bytes, 22, static_cast<std::uint32_t>(layout.height));
    put16(bytes, 26, 1);  // planes
    put16(bytes, 28, layout.bitsPerPixel);
    // Uncompressed, size of image, resolution and colour counts all stay 0.
}

// Entry i is blue = green = red = i, so a pixel byte is its own grey level. Entry 0
// is already zero.
void putGreyPalette(std::vector<std::uint8_t>& bytes) {
    for (std::size_t i = 1; i < kGreyPaletteEntries; ++i) {
        const std::size_t entry = kPaletteOffset + i * kColourEntryBytes;
        const auto level = static_cast<std::uint8_t>(i);
        bytes[entry] = level;
        bytes[entry + 1] = level;
        bytes[entry + 2] = level;
    }
}

// Fills the rows chunk by chunk with fillRow(line, row) and writes each chunk.
template <typename FillRow>
bool writeRowsInChunks(platform::File& file, const BitmapFileLayout& layout, FillRow fillRow) {
    const std::size_t stride = layout.rowStride();
    const std::size_t rowsPerChunk = std::max<std::size_t>(1, kChunkBytes / stride);
    // One row of a very wide picture can be more than a 32-bit program can hold: a
    // failed write, not a thrown allocation failure.
    std::vector<std::uint8_t> chunk;
    try {
        chunk.resize(rowsPerChunk * stride);
    } catch (const std::exception&) {
        return false;
    }
    const auto lineCount = static_cast<std::size_t>(layout.height);
    for (std::size_t line = 0; line < lineCount;) {
        const std::size_t rows = std::min(rowsPerChunk, lineCount - line);
        for (std::size_t r = 0; r < rows; ++r)
            fillRow(line + r, chunk.data() + r * stride);
        if (!file.write(chunk.data(), rows * stride))
            return false;
        line += rows;
    }
    return true;
}

}  // namespace

std::size_t bitmapRowPadding(int bitsPerPixel, std::int32_t width) {
    const std::uint64_t bits = static_cast<std::uint64_t>(std::max(bitsPerPixel, 0)) *
                               static_cast<std::uint64_t>(std::max(width, 0));
    const std::uint64_t spare = bits % 32;
    return spare == 0 ? 0 : static_cast<std::size_t>((32 - spare) / 8);
}

std::optional<BitmapFileLayout> bitmapFileLayout(DisplayMode displayMode, std::int32_t width,
                                                 std::int32_t height) {
    if (width <= 0 || height <= 0 || shownChannels(displayMode) == 0)
        return std::nullopt;
    const bool grey = displayMode == DisplayMode::SingleBand;
    const std::uint16_t bitsPerPixel = grey ? 8 : 24;
    const std::uint32_t pixelOffset = grey ? kGreyPixelOffset : kColourPixelOffset;

    // At most (3 * INT32_MAX + 3) * INT32_MAX: well inside 64 bits.
    const std::uint64_t rowBytes = static_cast<std::uint64_t>(width) * (bitsPerPixel / 8);
    const std::uint64_t padding = bitmapRowPadding(bitsPerPixel, width);
    const std::uint64_t fileSize =
        pixelOffset + (rowBytes + padding) * static_cast<std::uint64_t>(height);
    if (fileSize > std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;

    BitmapFileLayout layout;
    layout.width = width;
    layout.height = height;
    layout.bitsPerPixel = bitsPerPixel;
    layout.pixelOffset = pixelOffset;
    layout.rowBytes = static_cast<std::size_t>(rowBytes);
    layout.rowPadding = static_cast<std::size_t>(padding);
    layout.fileSize = static_cast<std::uint32_t>(fileSize);
    return layout;
}

std::vector<std::uint8_t> bitmapFileHeader(const BitmapFileLayout& layout) {
    std::vector<std::uint8_t> bytes(layout.pixelOffset, 0);
    if (bytes.size() < kColourPixelOffset)
        return {};
    putFileHeader(bytes, layout);
    putInfoHeader(bytes, layout);
    if (layout.pixelOffset == kGreyPixelOffset)
        putGreyPalette(bytes);
    return bytes;
}

bool writeGreyRows(platform::File& file, const BitmapFileLayout& layout,
                   const ChannelSource& grey) {
    if (layout.bitsPerPixel != 8)
        return false;
    // Full-range levels leave every pixel as it is; unpadded rows are then the
    // band's buffer itself, written without a copy.
    const std::int64_t pixels = std::int64_t{layout.width} * layout.height;
    if (layout.rowPadding == 0 && grey.pixels && grey.size >= pixels &&
        grey.table == levelTable(mapLevel, LevelRange{}))
        return file.write(grey.pixels, static_cast<std::size_t>(pixels));
    const auto width = static_cast<std::int64_t>(layout.width);
    return writeRowsInChunks(file, layout, [&](std::size_t line, std::uint8_t* row) {
        mapGreyRow(grey, static_cast<std::int64_t>(line) * width, layout.rowBytes, row);
        std::memset(row + layout.rowBytes, 0, layout.rowPadding);
    });
}

bool writeColourRows(platform::File& file, const BitmapFileLayout& layout,
                     const ChannelSources& sources) {
    if (layout.bitsPerPixel != 24)
        return false;
    const auto width = static_cast<std::int64_t>(layout.width);
    return writeRowsInChunks(file, layout, [&](std::size_t line, std::uint8_t* row) {
        mapColourRow(sources, static_cast<std::int64_t>(line) * width, 0, 1,
                     static_cast<std::size_t>(layout.width), row);
        std::memset(row + layout.rowBytes, 0, layout.rowPadding);
    });
}

}  // namespace qm
