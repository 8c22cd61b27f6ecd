#include "tools/toolbar_art/bmp_encoder.h"

#include <cstddef>

namespace qm::toolbar_art {
namespace {

class LittleEndianWriter {
  public:
    explicit LittleEndianWriter(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    void u8(std::uint8_t value) { bytes_.push_back(value); }
    void u16(std::uint16_t value) {
        u8(static_cast<std::uint8_t>(value));
        u8(static_cast<std::uint8_t>(value >> 8));
    }
    void u32(std::uint32_t value) {
        u16(static_cast<std::uint16_t>(value));
        u16(static_cast<std::uint16_t>(value >> 16));
    }

  private:
    std::vector<std::uint8_t>& bytes_;
};

std::uint32_t rowStride(int width) {
    return (static_cast<std::uint32_t>(width) + 3u) & ~3u;
}

void writeHeaders(LittleEndianWriter& out, const IndexedImage& image) {
    const std::uint32_t pixelBytes = rowStride(image.width()) * image.height();
    out.u8('B');
    out.u8('M');
    out.u32(kBmpPixelOffset + pixelBytes);
    out.u32(0);  // reserved
    out.u32(kBmpPixelOffset);
    out.u32(40);
    out.u32(static_cast<std::uint32_t>(image.width()));
    out.u32(static_cast<std::uint32_t>(image.height()));  // positive: bottom row first
    out.u16(1);                                           // planes
    out.u16(8);                                           // bits per pixel
    out.u32(0);                                           // BI_RGB
    out.u32(pixelBytes);
    out.u32(2835);  // 72 dots per inch, horizontally
    out.u32(2835);  // and vertically
    out.u32(256);   // colours used
    out.u32(0);     // all of them important
}

void writePalette(LittleEndianWriter& out, const Palette& palette) {
    for (const Rgb& colour : palette) {
        out.u8(colour.blue);
        out.u8(colour.green);
        out.u8(colour.red);
        out.u8(0);
    }
}

void writeRows(LittleEndianWriter& out, const IndexedImage& image) {
    const std::uint32_t padding = rowStride(image.width()) - image.width();
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            out.u8(image.at(x, y));
        }
        for (std::uint32_t i = 0; i < padding; ++i) {
            out.u8(0);
        }
    }
}

}  // namespace

std::vector<std::uint8_t> encodeBmp(const IndexedImage& image, const Palette& palette) {
    std::vector<std::uint8_t> bytes;
    LittleEndianWriter out(bytes);
    writeHeaders(out, image);
    writePalette(out, palette);
    writeRows(out, image);
    return bytes;
}

}  // namespace qm::toolbar_art
