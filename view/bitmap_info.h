// The description of a device-independent bitmap, laid out byte for byte as the
// Windows BITMAPINFO with one colour entry, so the portable build can hold it and
// the Windows build can hand it to GDI unchanged.
#pragma once

#include <cstdint>

namespace qm {

struct BitmapInfoHeader {
    std::uint32_t size = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t sizeImage = 0;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
    std::uint32_t clrUsed = 0;
    std::uint32_t clrImportant = 0;
};

struct RgbQuad {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t reserved = 0;
};

struct BitmapInfo {
    BitmapInfoHeader header;
    RgbQuad colors[1];
};

static_assert(sizeof(BitmapInfoHeader) == 40);
static_assert(sizeof(RgbQuad) == 4);
static_assert(sizeof(BitmapInfo) == 44);

// Uncompressed pixels (the Windows BI_RGB).
inline constexpr std::uint32_t kUncompressedRgb = 0;

// The display image's description: a bottom-up 24-bit picture (positive height);
// every other field and the colour entry stay 0.
inline BitmapInfo displayBitmapInfo(std::int32_t width, std::int32_t height) {
    BitmapInfo info;
    info.header.size = sizeof(BitmapInfoHeader);
    info.header.width = width;
    info.header.height = height;
    info.header.planes = 1;
    info.header.bitCount = 24;
    info.header.compression = kUncompressedRgb;
    return info;
}

}  // namespace qm
