// The committed toolbar bitmap: byte for byte what the generator draws, in the
// format the toolbar loads (144 x 24, 8 bits, 256-colour palette, uncompressed,
// bottom-up), with the six pictures in the order of the toolbar's image numbers.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <utility>
#include <vector>

#include "tools/toolbar_art/toolbar_bitmap.h"

namespace qm::toolbar_art {
namespace {

std::vector<std::uint8_t> committedBitmap() {
    std::ifstream file(QM_COMMITTED_TOOLBAR_BMP, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t readLittleEndian(const std::vector<std::uint8_t>& bytes, std::size_t offset,
                               int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | bytes.at(offset + i);
    }
    return value;
}

struct Colour {
    int red;
    int green;
    int blue;
};

// Reads pixels of the committed file by picture coordinates, top row 0.
class CommittedStrip {
  public:
    explicit CommittedStrip(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    Colour colour(int picture, int x, int y) const {
        const std::size_t row = static_cast<std::size_t>(kHeight - 1 - y);
        const std::uint8_t index = bytes_.at(kPixelOffset + row * kWidth + picture * 24 + x);
        const std::size_t entry = kPaletteOffset + 4u * index;
        return {bytes_.at(entry + 2), bytes_.at(entry + 1), bytes_.at(entry)};
    }

    int countPixels(int picture, const std::function<bool(Colour)>& matches) const {
        int count = 0;
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 24; ++x) {
                count += matches(colour(picture, x, y)) ? 1 : 0;
            }
        }
        return count;
    }

  private:
    static constexpr int kWidth = 144;
    static constexpr int kHeight = 24;
    static constexpr std::size_t kPaletteOffset = 54;
    static constexpr std::size_t kPixelOffset = 54 + 1024;
    std::vector<std::uint8_t> bytes_;
};

TEST(ToolbarBitmap, CommittedFileIsWhatTheGeneratorDraws) {
    const std::vector<std::uint8_t> committed = committedBitmap();
    ASSERT_FALSE(committed.empty()) << "cannot read " << QM_COMMITTED_TOOLBAR_BMP;
    // Run quillmere-toolbar-art res/toolbar.bmp after changing the pictures.
    EXPECT_TRUE(committed == toolbarBitmapFile());
}

struct HeaderField {
    const char* name;
    std::size_t offset;
    int size;
    std::uint32_t expected;
};

TEST(ToolbarBitmap, HeadersDescribeAnUncompressedBottomUp8BitStrip) {
    const std::vector<std::uint8_t> bytes = committedBitmap();
    ASSERT_EQ(bytes.size(), 14u + 40u + 1024u + 144u * 24u);
    const HeaderField fields[] = {
        {"signature 'BM'", 0, 2, 0x4D42},
        {"file size", 2, 4, static_cast<std::uint32_t>(bytes.size())},
        {"pixel offset", 10, 4, 14 + 40 + 1024},
        {"info header size", 14, 4, 40},
        {"width", 18, 4, 144},
        {"height, positive for bottom-up", 22, 4, 24},
        {"planes", 26, 2, 1},
        {"bits per pixel", 28, 2, 8},
        {"compression BI_RGB", 30, 4, 0},
        {"colours used", 46, 4, 256},
    };
    for (const HeaderField& field : fields) {
        EXPECT_EQ(readLittleEndian(bytes, field.offset, field.size), field.expected) << field.name;
    }
}

TEST(ToolbarBitmap, EveryPictureStandsOnTheButtonFaceGrey) {
    const CommittedStrip strip(committedBitmap());
    const int corners[][2] = {{0, 0}, {23, 0}, {0, 23}, {23, 23}};
    for (int picture = 0; picture < 6; ++picture) {
        for (const auto& corner : corners) {
            const Colour colour = strip.colour(picture, corner[0], corner[1]);
            EXPECT_EQ(colour.red, 192) << "picture " << picture;
            EXPECT_EQ(colour.green, 192) << "picture " << picture;
            EXPECT_EQ(colour.blue, 192) << "picture " << picture;
        }
    }
}

bool isBlack(Colour c) {
    return c.red + c.green + c.blue == 0;
}
bool isYellow(Colour c) {
    return c.red > 200 && c.green > 160 && c.blue < 140;
}
bool isBlue(Colour c) {
    return c.blue > 160 && c.red < 100;
}
bool isOrange(Colour c) {
    return c.red > 200 && c.green > 100 && c.green < 180 && c.blue < 60;
}
bool isGreen(Colour c) {
    return c.green > 120 && c.red < 100 && c.blue < 100;
}

struct Subject {
    int picture;
    const char* what;
    bool (*matches)(Colour);
    int minimumPixels;
};

// Catches pictures out of order or drawn in the wrong colours: each button's
// subject has a colour that no neighbour shares in that amount.
TEST(ToolbarBitmap, PicturesShowTheirSubjectsInImageOrder) {
    const CommittedStrip strip(committedBitmap());
    const Subject subjects[] = {
        {0, "yellow folder", isYellow, 100},    {0, "green arrow", isGreen, 15},
        {1, "black floppy disk", isBlack, 150}, {2, "blue disc", isBlue, 150},
        {3, "orange disc", isOrange, 150},      {4, "black lens rim", isBlack, 40},
        {5, "black lens rim", isBlack, 40},
    };
    for (const Subject& subject : subjects) {
        EXPECT_GE(strip.countPixels(subject.picture, subject.matches), subject.minimumPixels)
            << "picture " << subject.picture << ": " << subject.what;
    }
}

// The plus sign's vertical stroke is the only difference between the magnifiers.
TEST(ToolbarBitmap, ZoomInHasMoreInkInItsLensThanZoomOut) {
    const CommittedStrip strip(committedBitmap());
    EXPECT_GT(strip.countPixels(4, isBlack), strip.countPixels(5, isBlack));
}

}  // namespace
}  // namespace qm::toolbar_art
