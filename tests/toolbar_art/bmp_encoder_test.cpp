// The bitmap encoder's row order and padding, on a picture small enough to spell
// out every byte.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tools/toolbar_art/bmp_encoder.h"

namespace qm::toolbar_art {
namespace {

TEST(BmpEncoder, StoresTheBottomRowFirstAndPadsRowsToWholeWords) {
    IndexedImage image(3, 2, 0);
    image.set(0, 0, 1);  // top row: 1 2 3
    image.set(1, 0, 2);
    image.set(2, 0, 3);
    image.set(0, 1, 4);  // bottom row: 4 5 6
    image.set(1, 1, 5);
    image.set(2, 1, 6);

    const std::vector<std::uint8_t> bytes = encodeBmp(image, Palette{});

    ASSERT_EQ(bytes.size(), kBmpPixelOffset + 8u);
    const std::vector<std::uint8_t> rows(bytes.begin() + kBmpPixelOffset, bytes.end());
    EXPECT_EQ(rows, (std::vector<std::uint8_t>{4, 5, 6, 0, 1, 2, 3, 0}));
}

TEST(BmpEncoder, WritesPaletteEntriesAsBlueGreenRedZero) {
    Palette palette{};
    palette[0] = {10, 20, 30};
    palette[255] = {200, 210, 220};

    const std::vector<std::uint8_t> bytes = encodeBmp(IndexedImage(1, 1, 0), palette);

    const std::vector<std::uint8_t> first(bytes.begin() + 54, bytes.begin() + 58);
    const std::vector<std::uint8_t> last(bytes.begin() + 54 + 4 * 255,
                                         bytes.begin() + 58 + 4 * 255);
    EXPECT_EQ(first, (std::vector<std::uint8_t>{30, 20, 10, 0}));
    EXPECT_EQ(last, (std::vector<std::uint8_t>{220, 210, 200, 0}));
}

}  // namespace
}  // namespace qm::toolbar_art
