// The client point to source pixel mapping, checked against what the composition
// draws: the picture's four corners and the first points past them, at zoom 1 and 3
// with a scrolled origin, and the image area's own edges.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "view/layout.h"
#include "view/source_pixel.h"

namespace qm {
namespace {

constexpr int kLeft = layout::kControlPanelWidth;
constexpr int kTop = layout::kToolbarHeight;

struct PointCase {
    const char* where;
    int areaX;  // from the image area's top-left corner
    int areaY;
    std::optional<SourcePixel> expected;  // column, line from the top, buffer index
};

struct GeometryCase {
    const char* what;
    PictureGeometry picture;
    std::vector<PointCase> points;
};

TEST(SourcePixelTest, PointsMapToThePixelsTheCompositionDraws) {
    // A picture of 40 x 30 pixels scrolled to (5, 7). Buffer line 0 is the picture's
    // bottom line, so line L from the top sits at index (29 - L) * 40 + column.
    const GeometryCase cases[] = {
        {"zoom 1",
         {40, 30, {1, 1}, 5, 7, 100, 80},
         {
             {"top-left corner", 0, 0, SourcePixel{5, 7, 22 * 40 + 5}},
             {"top-right corner", 34, 0, SourcePixel{39, 7, 22 * 40 + 39}},
             {"bottom-left corner", 0, 22, SourcePixel{5, 29, 5}},
             {"bottom-right corner", 34, 22, SourcePixel{39, 29, 39}},
             {"right of the picture", 35, 0, std::nullopt},
             {"below the picture", 0, 23, std::nullopt},
             {"past both", 35, 23, std::nullopt},
             {"left of the image area", -1, 0, std::nullopt},
             {"above the image area", 0, -1, std::nullopt},
         }},
        // Display row i shows line scrollY + 3 (i + 1) - 1 from the top, column
        // scrollX + 3 j: the first row already skips two lines.
        {"zoom 3",
         {40, 30, {3, 1}, 5, 7, 100, 80},
         {
             {"top-left corner", 0, 0, SourcePixel{5, 9, 20 * 40 + 5}},
             {"top-right corner", 11, 0, SourcePixel{38, 9, 20 * 40 + 38}},
             {"bottom-left corner", 0, 6, SourcePixel{5, 27, 2 * 40 + 5}},
             {"bottom-right corner", 11, 6, SourcePixel{38, 27, 2 * 40 + 38}},
             {"right of the picture", 12, 0, std::nullopt},
             {"below the picture", 0, 7, std::nullopt},
             {"left of the image area", -1, 6, std::nullopt},
             {"above the image area", 11, -1, std::nullopt},
         }},
        // Magnified four times from (30, 20): each source pixel is a 4 x 4 block, and
        // the picture's last column and line end at display pixel 39.
        {"magnified 4 times",
         {40, 30, {1, 4}, 30, 20, 100, 80},
         {
             {"top-left corner", 0, 0, SourcePixel{30, 20, 9 * 40 + 30}},
             {"inside the first block", 3, 3, SourcePixel{30, 20, 9 * 40 + 30}},
             {"the next block", 4, 0, SourcePixel{31, 20, 9 * 40 + 31}},
             {"the last pixel's block", 39, 39, SourcePixel{39, 29, 39}},
             {"right of the picture", 40, 0, std::nullopt},
             {"below the picture", 0, 40, std::nullopt},
         }},
        // The image area ends before the picture does.
        {"a small image area",
         {40, 30, {1, 1}, 5, 7, 30, 20},
         {
             {"last area column", 29, 0, SourcePixel{34, 7, 22 * 40 + 34}},
             {"past the area's right edge", 30, 0, std::nullopt},
             {"last area row", 0, 19, SourcePixel{5, 26, 3 * 40 + 5}},
             {"past the area's bottom edge", 0, 20, std::nullopt},
         }},
        {"no picture", {0, 0, {1, 1}, 0, 0, 100, 80}, {{"top-left corner", 0, 0, std::nullopt}}},
    };
    for (const GeometryCase& c : cases) {
        for (const PointCase& point : c.points) {
            SCOPED_TRACE(std::string(c.what) + ", " + point.where);
            EXPECT_EQ(sourcePixelAt(c.picture, kLeft + point.areaX, kTop + point.areaY),
                      point.expected);
        }
    }
}

// An origin far past the picture, as a scroll position may leave it, and the largest
// zoom that fitting gives, form their line numbers without overflow.
TEST(SourcePixelTest, FarOriginsShowNoPixel) {
    const PictureGeometry far{40, 30, {1, 1}, 2'000'000'000, 2'000'000'000, 100, 80};
    EXPECT_EQ(sourcePixelAt(far, kLeft, kTop), std::nullopt);
    const PictureGeometry huge{2'000'000'000, 2'000'000'000, {2'000'000'000, 1}, 0, 0, 100, 80};
    EXPECT_EQ(sourcePixelAt(huge, kLeft + 1, kTop), std::nullopt);
}

// The origin that keeps a pixel under the cursor shows that pixel there again, at
// every kind of zoom.
TEST(SourcePixelTest, OriginShowingAPixelIsTheInverse) {
    const SourcePixel pixel{500, 300, 0};
    for (const Zoom zoom : {Zoom{1, 1}, Zoom{3, 1}, Zoom{1, 4}, Zoom{1, 16}}) {
        const ScrollOrigin origin = originShowingAt(pixel, zoom, kLeft + 37, kTop + 21);
        const PictureGeometry picture{1000,
                                      800,
                                      zoom,
                                      static_cast<std::int32_t>(origin.column),
                                      static_cast<std::int32_t>(origin.line),
                                      100,
                                      80};
        const std::optional<SourcePixel> shown = sourcePixelAt(picture, kLeft + 37, kTop + 21);
        ASSERT_TRUE(shown) << zoom.subsample << " " << zoom.magnification;
        EXPECT_EQ(shown->column, 500);
        EXPECT_EQ(shown->line, 300);
    }
}

}  // namespace
}  // namespace qm
