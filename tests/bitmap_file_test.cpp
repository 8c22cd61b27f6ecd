// Exported bitmap files, written through a file stream as the view writes them and
// read back by a reader of their own that follows the file format's rules.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "tests/support/temp_dir.h"
#include "view/bitmap_file.h"

namespace qm {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A little-endian field of size bytes at offset.
std::uint32_t field(const Bytes& file, std::size_t offset, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | file.at(offset + static_cast<std::size_t>(i));
    return value;
}

// The pixel rows as the file's own header describes them: rows padded to 4 bytes.
struct FileRows {
    std::vector<Bytes> pixels;
    Bytes padding;
};

FileRows readRows(const Bytes& file) {
    const std::size_t width = field(file, 18, 4);
    const std::size_t height = field(file, 22, 4);
    const std::size_t rowBytes = width * field(file, 28, 2) / 8;
    const std::size_t stride = (rowBytes + 3) / 4 * 4;
    FileRows rows;
    for (std::size_t r = 0; r < height; ++r) {
        const auto row =
            file.begin() + static_cast<std::ptrdiff_t>(field(file, 10, 4) + r * stride);
        rows.pixels.emplace_back(row, row + static_cast<std::ptrdiff_t>(rowBytes));
        rows.padding.insert(rows.padding.end(), row + static_cast<std::ptrdiff_t>(rowBytes),
                            row + static_cast<std::ptrdiff_t>(stride));
    }
    return rows;
}

// Band pixels with a distinct value at every position (modulo 256) per band.
Bytes band(std::size_t count, int first) {
    Bytes pixels(count);
    for (std::size_t i = 0; i < count; ++i)
        pixels[i] = static_cast<std::uint8_t>(first + static_cast<int>(i * 7));
    return pixels;
}

using ChannelPixels = std::array<const std::uint8_t*, 3>;

const LevelTable kFullRange = levelTable(mapLevel, {255, 0});

class BitmapFileTest : public testing::Test {
  protected:
    // Writes the file as the export does (header, then rows, one stream) and reads it.
    Bytes exportFile(int mode, std::int32_t width, std::int32_t height, const ChannelPixels& pixels,
                     const ChannelTables& tables) const {
        ChannelSources sources;
        for (std::size_t k = 0; k < 3; ++k) {
            if (pixels[k])
                sources[k] = {pixels[k], std::int64_t{width} * height, tables[k]};
        }
        const auto layout = bitmapFileLayout(DisplayMode{mode}, width, height);
        EXPECT_TRUE(layout.has_value());
        const std::string path = dir_.path("out.bmp");
        platform::File file;
        EXPECT_TRUE(file.open(path, platform::File::Mode::Write));
        const Bytes header = bitmapFileHeader(*layout);
        EXPECT_TRUE(file.write(header.data(), header.size()));
        EXPECT_TRUE(mode == 1 ? writeGreyRows(file, *layout, sources[0])
                              : writeColourRows(file, *layout, sources));
        EXPECT_TRUE(file.close());
        Bytes bytes;
        EXPECT_TRUE(platform::readFileBytes(path, bytes));
        return bytes;
    }

    test::TempDir dir_;
};

struct SizeCase {
    int mode;
    std::int32_t width;
    std::int32_t height;
    std::uint32_t fileSize;
    std::uint32_t pixelOffset;
    std::uint32_t bitCount;
    std::size_t padding;
};

TEST_F(BitmapFileTest, HeadersPaletteAndRowsSitAtTheirOffsets) {
    const SizeCase cases[] = {
        {1, 5, 2, 1094, 1078, 8, 3},
        {3, 5, 2, 90, 58, 24, 1},
        {3, 4, 3, 94, 58, 24, 0},
        {1, 8, 1, 1086, 1078, 8, 0},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "mode " << c.mode << ", " << c.width << " x " << c.height);
        const auto count = static_cast<std::size_t>(c.width * c.height);
        const Bytes red = band(count, 1), green = band(count, 100), blue = band(count, 200);
        const Bytes file =
            exportFile(c.mode, c.width, c.height, {red.data(), green.data(), blue.data()},
                       {kFullRange, kFullRange, kFullRange});

        ASSERT_EQ(file.size(), c.fileSize);
        EXPECT_EQ(file[0], 'B');
        EXPECT_EQ(file[1], 'M');
        const std::pair<std::size_t, std::uint32_t> fields[] = {
            {2, c.fileSize},
            {10, c.pixelOffset},
            {14, 40},
            {18, static_cast<std::uint32_t>(c.width)},
            {22, static_cast<std::uint32_t>(c.height)}};
        for (const auto& [offset, value] : fields)
            EXPECT_EQ(field(file, offset, 4), value) << "offset " << offset;
        EXPECT_EQ(field(file, 6, 4), 0u);  // both reserved fields
        EXPECT_EQ(field(file, 26, 2), 1u);
        EXPECT_EQ(field(file, 28, 2), c.bitCount);
        for (std::size_t offset = 30; offset < 58; ++offset)  // compression .. colour entry 0
            EXPECT_EQ(file[offset], 0) << "offset " << offset;
        for (std::size_t i = 1; c.mode == 1 && i < 256; ++i)
            EXPECT_EQ(field(file, 54 + 4 * i, 4), i * 0x10101) << "grey entry " << i;

        // Full-range levels: the pixel bytes are the band's, buffer line 0 first.
        const FileRows rows = readRows(file);
        for (std::size_t r = 0; r < rows.pixels.size(); ++r) {
            Bytes expected;
            for (std::size_t x = r * c.width; x < (r + 1) * c.width; ++x) {
                if (c.mode == 1)
                    expected.push_back(red[x]);
                else
                    expected.insert(expected.end(), {blue[x], green[x], red[x]});
            }
            EXPECT_EQ(rows.pixels[r], expected) << "row " << r;
        }
        EXPECT_EQ(rows.padding, Bytes(c.padding * static_cast<std::size_t>(c.height), 0));
    }
}

TEST_F(BitmapFileTest, ManyRowsKeepOrderLevelsAndAZeroChannelWithoutABand) {
    // 304-byte rows: the rows cross several of the writer's chunks.
    const std::int32_t width = 101, height = 1000;
    const auto count = static_cast<std::size_t>(width * height);
    const Bytes red = band(count, 3), blue = band(count, 50);
    const LevelTable narrow = levelTable(mapLevel, {150, 50});
    const FileRows rows = readRows(
        exportFile(3, width, height, {red.data(), nullptr, blue.data()}, {narrow, narrow, narrow}));

    ASSERT_EQ(rows.pixels.size(), static_cast<std::size_t>(height));
    for (std::size_t r = 0; r < rows.pixels.size(); ++r) {
        Bytes expected;
        for (std::size_t x = r * width; x < (r + 1) * width; ++x)
            expected.insert(expected.end(), {narrow[blue[x]], 0, narrow[red[x]]});
        ASSERT_EQ(rows.pixels[r], expected) << "row " << r;
    }
    EXPECT_EQ(rows.padding, Bytes(static_cast<std::size_t>(height), 0));
}

// Channels as the view makes them, with their level forms: rows go through the
// vector mapper, and a picture of 2 MiB crosses several of the writer's pieces.
TEST_F(BitmapFileTest, RowsMappedThroughLevelFormsAreTheTablesBytesAcrossPieces) {
    const std::int32_t width = 1001, height = 700;
    const auto count = static_cast<std::size_t>(width * height);
    const Bytes red = band(count, 3), green = band(count, 20), blue = band(count, 50);
    const LevelRange redLevels{150, 50}, greenLevels{255, 0}, blueLevels{-30, 220};
    const ChannelSources sources{bandSource(red.data(), std::int64_t{count}, redLevels),
                                 bandSource(green.data(), std::int64_t{count}, greenLevels),
                                 bandSource(blue.data(), std::int64_t{count}, blueLevels)};
    for (const ChannelSource& source : sources)
        ASSERT_TRUE(source.form.has_value());
    const LevelTable redTable = levelTable(mapLevel, redLevels);
    const LevelTable blueTable = levelTable(mapLevel, blueLevels);

    for (const int mode : {1, 3}) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        const auto layout = bitmapFileLayout(DisplayMode{mode}, width, height);
        ASSERT_TRUE(layout.has_value());
        const std::string path = dir_.path("pieces.bmp");
        platform::File file;
        ASSERT_TRUE(file.open(path, platform::File::Mode::Write));
        const Bytes header = bitmapFileHeader(*layout);
        ASSERT_TRUE(file.write(header.data(), header.size()));
        ASSERT_TRUE(mode == 1 ? writeGreyRows(file, *layout, sources[0])
                              : writeColourRows(file, *layout, sources));
        ASSERT_TRUE(file.close());
        Bytes bytes;
        ASSERT_TRUE(platform::readFileBytes(path, bytes));
        const FileRows rows = readRows(bytes);

        ASSERT_EQ(rows.pixels.size(), static_cast<std::size_t>(height));
        for (std::size_t r = 0; r < rows.pixels.size(); ++r) {
            Bytes expected;
            for (std::size_t x = r * width; x < (r + 1) * width; ++x) {
                if (mode == 1)
                    expected.push_back(redTable[red[x]]);
                else
                    expected.insert(expected.end(),
                                    {blueTable[blue[x]], green[x], redTable[red[x]]});
            }
            ASSERT_EQ(rows.pixels[r], expected) << "row " << r;
        }
    }
}

TEST(BitmapRowTest, PaddingFillsRowsToWholeWords) {
    const struct {
        int bits;
        std::int32_t width;
        std::size_t padding;
    } cases[] = {{8, 1, 3},    {8, 2, 2},    {8, 3, 1},   {8, 4, 0},  {8, 5, 3},
                 {24, 1, 1},   {24, 2, 2},   {24, 3, 3},  {24, 4, 0}, {24, 101, 1},
                 {24, 102, 2}, {24, 103, 3}, {24, 256, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(bitmapRowPadding(c.bits, c.width), c.padding) << c.bits << " bits, " << c.width;
}

TEST(BitmapLayoutTest, RefusesWhatTheFileOrItsSizeFieldCannotHold) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    const struct {
        int mode;
        std::int32_t width;
        std::int32_t height;
        bool accepted;
    } cases[] = {
        {1, 4, 1073741554, true},  // 4294967294 bytes: the largest that fits
        {1, 4, 1073741555, false}, {1, kMax, 1, true}, {3, kMax, 1, false},
        {3, 65536, 65536, false},  {2, 4, 4, false},   {0, 4, 4, false},
        {1, 0, 4, false},          {3, 4, 0, false},   {3, -4, 4, false},
        {1, 4, -1, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(bitmapFileLayout(DisplayMode{c.mode}, c.width, c.height).has_value(), c.accepted)
            << "mode " << c.mode << ", " << c.width << " x " << c.height;
    }
    EXPECT_EQ(bitmapFileLayout(DisplayMode::SingleBand, 4, 1073741554)->fileSize, 4294967294u);
}

TEST_F(BitmapFileTest, WritersRefuseAMismatchedLayoutAndReportAFailedWrite) {
    const Bytes pixels = band(20, 0);
    const BitmapFileLayout grey = *bitmapFileLayout(DisplayMode::SingleBand, 5, 4);
    const BitmapFileLayout colour = *bitmapFileLayout(DisplayMode::ThreeBand, 5, 4);
    platform::File file;
    ASSERT_TRUE(file.open(dir_.path("out.bmp"), platform::File::Mode::Write));
    const ChannelSource source{pixels.data(), 20, kFullRange};
    const ChannelSources sources{source, {}, {}};
    EXPECT_FALSE(writeGreyRows(file, colour, source));
    EXPECT_FALSE(writeColourRows(file, grey, sources));
    EXPECT_TRUE(file.close());

    EXPECT_FALSE(writeGreyRows(file, grey, source));
    EXPECT_FALSE(writeColourRows(file, colour, sources));
}

}  // namespace
}  // namespace qm
