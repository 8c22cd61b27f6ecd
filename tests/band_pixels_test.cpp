// Loading a band's pixels: bottom-up rows counted back from the end of the file,
// bytes outside the file as 0, the histogram made once for the life of the band.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "band/band_image.h"
#include "paths/paths.h"
#include "tests/support/message_capture.h"
#include "tests/support/temp_dir.h"

namespace qm {
namespace {

// Every byte tells its file offset modulo a prime, so a row read from the wrong
// place, even one byte off, shows.
std::uint8_t patternByte(std::int64_t offset) {
    return static_cast<std::uint8_t>(offset % 251);
}

std::string patternFile(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(patternByte(static_cast<std::int64_t>(i)));
    return bytes;
}

void putBigEndian(std::string& bytes, std::size_t offset, std::uint32_t value, int width) {
    for (int i = width - 1; i >= 0; --i, value >>= 8)
        bytes[offset + static_cast<std::size_t>(i)] = static_cast<char>(value & 0xFF);
}

// What the rows must hold: row r is the line whose record starts (r + 1) records
// before the end of the file; a byte outside the file is 0.
std::vector<std::uint8_t> expectedRows(const std::string& file, std::int64_t firstPixelOffset,
                                       std::int64_t recordLength, int lines, int pixels) {
    std::vector<std::uint8_t> rows;
    const auto size = static_cast<std::int64_t>(file.size());
    for (int r = 0; r < lines; ++r) {
        const std::int64_t start = size + firstPixelOffset - (r + 1) * recordLength;
        for (std::int64_t offset = start; offset < start + pixels; ++offset) {
            const bool inside = offset >= 0 && offset < size;
            rows.push_back(inside ? static_cast<std::uint8_t>(file[offset]) : 0);
        }
    }
    return rows;
}

std::vector<std::uint8_t> pixelsOf(const BandImage& band) {
    const std::size_t size =
        static_cast<std::size_t>(band.pixelsPerLine()) * static_cast<std::size_t>(band.lineCount());
    return std::vector<std::uint8_t>(band.pixels(), band.pixels() + size);
}

std::uint8_t pixelAt(const BandImage& band, int row, int column) {
    return band.pixels()[static_cast<std::size_t>(row) * band.pixelsPerLine() + column];
}

// The record-format worked example: 11 records of 800 bytes, a 180-byte prefix and
// the smaller fills 10 (first image record) and 25 (last record), so the pixels of
// a line start at record offset 202 and number 573. extraBytes follow the last
// record.
std::string workedExampleFile(std::size_t extraBytes) {
    std::string bytes = patternFile(800 * 11 + extraBytes);
    putBigEndian(bytes, 8, 800, 4);
    bytes.replace(20, 4, " 180");
    bytes.replace(24, 4, "   0");
    const std::size_t lastRecord = bytes.size() - 800;
    putBigEndian(bytes, 800 + 16, 10, 2);
    putBigEndian(bytes, 800 + 18, 30, 2);
    putBigEndian(bytes, lastRecord + 16, 12, 2);
    putBigEndian(bytes, lastRecord + 18, 25, 2);
    return bytes;
}

constexpr char kFramingConfiguration[] =
    "[SAT1OPT]\nPrefixPos=20\nPrefixSize=4\nSuffixPos=24\nSuffixSize=4\n"
    "LeftFillPos=16\nLeftFillSize=2\nRightFillPos=18\nRightFillSize=2\n";

class BandPixelsTest : public testing::Test {
  protected:
    void SetUp() override { dir_.writeFile("QMDATA.INI", kFramingConfiguration); }

    void measureRecordBand(BandImage& band, const std::string& bytes) const {
        ASSERT_TRUE(band.setPath(dir_.writeFile("SCENE_B1.DAT", bytes)));
        ASSERT_EQ(
            band.readGeometry(BandFormat::Record, dir_.path("QMDATA.INI"), "SAT1", "OPT", 0, 0),
            std::nullopt);
    }

    // The fast format measures from the header numbers alone; the file need not exist.
    void measureFastBand(BandImage& band, const std::string& fileName, int headerPixels,
                         int headerLines) const {
        ASSERT_TRUE(band.setPath(dir_.path(fileName)));
        ASSERT_EQ(band.readGeometry(BandFormat::Fast, dir_.path("QMDATA.INI"), "SAT1", "OPT",
                                    headerPixels, headerLines),
                  std::nullopt);
    }

    test::TempDir dir_;
};

// A pixel checked on its own: the file offset it must come from, or kZero.
struct Spot {
    int row;
    int column;
    std::int64_t offset;
};
constexpr std::int64_t kZero = -1;

void expectSpots(const BandImage& band, const std::vector<Spot>& spots) {
    for (const Spot& spot : spots) {
        const std::uint8_t expected = spot.offset == kZero ? 0 : patternByte(spot.offset);
        EXPECT_EQ(pixelAt(band, spot.row, spot.column), expected)
            << "row " << spot.row << " column " << spot.column;
    }
}

TEST_F(BandPixelsTest, RecordRowsAreCountedBackFromTheEndOfTheFile) {
    const struct {
        std::size_t extraBytes;
        std::vector<Spot> spots;
    } cases[] = {
        {0, {{0, 0, 8202}, {0, 572, 8774}, {9, 0, 1002}}},
        // A remainder after the last whole record moves every row by its length.
        {5, {{0, 0, 8207}, {0, 572, 8779}, {9, 0, 1007}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("extra bytes " + std::to_string(c.extraBytes));
        const std::string file = workedExampleFile(c.extraBytes);
        BandImage band;
        measureRecordBand(band, file);
        ASSERT_EQ(band.lineCount(), 10);
        ASSERT_EQ(band.firstPixelOffset(), 202);
        ASSERT_EQ(band.pixelsPerLine(), 573);
        EXPECT_EQ(band.histogram(), nullptr);

        const test::MessageCapture capture;
        ASSERT_TRUE(band.loadPixels());
        ASSERT_NE(band.pixels(), nullptr);
        expectSpots(band, c.spots);
        const std::vector<std::uint8_t> rows = expectedRows(file, 202, 800, 10, 573);
        EXPECT_EQ(pixelsOf(band), rows);

        // The histogram counts the pixels, not the framing around them.
        ASSERT_NE(band.histogram(), nullptr);
        std::array<std::int32_t, Histogram::kBins> counts{};
        for (std::uint8_t pixel : rows)
            ++counts[pixel];
        EXPECT_EQ(band.histogram()->counts, counts);
        EXPECT_EQ(band.histogram()->scale, Histogram::kDefaultScale);
    }
}

struct FastCase {
    const char* name;
    const char* fileName;
    int headerPixels;
    int headerLines;
    std::size_t fileBytes;
    std::vector<Spot> spots;
};

TEST_F(BandPixelsTest, FastRowsTakeTheFirstPixelsOfTheLastRecordsAndZerosOutsideTheFile) {
    const std::vector<FastCase> cases = {
        // 1,000 records of 1,200 bytes, each row the first 600 of its record.
        {"BAND80",
         "SCENE_B80.FST",
         600,
         500,
         1200000,
         {{0, 0, 1200 * 999}, {0, 599, 1200 * 999 + 599}, {999, 0, 0}}},
        {"other band", "SCENE_B10.FST", 600, 500, 300000, {{0, 0, 600 * 499}, {499, 599, 599}}},
        // Four whole lines and 30 bytes: row 4 starts 70 bytes before the file does.
        {"more lines than the file holds",
         "SCENE_B10.FST",
         100,
         10,
         430,
         {{0, 0, 330}, {4, 69, kZero}, {4, 70, 0}, {4, 99, 29}, {9, 99, kZero}}},
        {"empty file", "SCENE_B10.FST", 64, 8, 0, {{0, 0, kZero}, {7, 63, kZero}}},
    };
    for (const FastCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = patternFile(c.fileBytes);
        dir_.writeFile(c.fileName, file);
        BandImage band;
        measureFastBand(band, c.fileName, c.headerPixels, c.headerLines);

        const test::MessageCapture capture;
        ASSERT_TRUE(band.loadPixels());
        expectSpots(band, c.spots);
        EXPECT_EQ(pixelsOf(band), expectedRows(file, 0, band.recordLength(), band.lineCount(),
                                               band.pixelsPerLine()));
    }
}

// A record-format file framed as the worked example (pixels from record offset 202,
// 25 bytes after them), with records of any length.
std::string framedRecordFile(std::size_t recordLength, std::size_t records, std::size_t extraBytes,
                             const char* prefix = " 180") {
    std::string bytes = patternFile(recordLength * records + extraBytes);
    putBigEndian(bytes, 8, static_cast<std::uint32_t>(recordLength), 4);
    bytes.replace(20, 4, prefix);
    bytes.replace(24, 4, "   0");
    for (const std::size_t record : {recordLength, bytes.size() - recordLength}) {
        putBigEndian(bytes, record + 16, 10, 2);
        putBigEndian(bytes, record + 18, 25, 2);
    }
    return bytes;
}

std::array<std::int32_t, Histogram::kBins> countsOf(const std::vector<std::uint8_t>& pixels) {
    std::array<std::int32_t, Histogram::kBins> counts{};
    for (const std::uint8_t pixel : pixels)
        ++counts[pixel];
    return counts;
}

// Bands of several megabytes are read many records at a time and counted while
// they are read; every row and count must be what one read per row gives.
TEST_F(BandPixelsTest, LargeBandsReadInBlocksGiveTheRowsAndCountsOfOneReadPerRow) {
    const struct {
        const char* name;
        const char* fileName;
        int headerPixels;
        int headerLines;
        std::size_t fileBytes;
    } fastCases[] = {
        {"several blocks and a short last one", "SCENE_B10.FST", 1000, 2100, 2100000},
        {"BAND80: half of each record", "SCENE_B80.FST", 700, 1600, 4480000},
        // 1,500 whole lines and 333 bytes: the top block lies partly before the
        // start of the file (a buffer far beyond its file is refused instead).
        {"more lines than the file holds", "SCENE_B10.FST", 1000, 2000, 1500333},
        // Past the size at which the rows are counted on a second thread.
        {"counted beside the reading", "SCENE_B10.FST", 2048, 2100, 2048 * 2100},
    };
    for (const auto& c : fastCases) {
        SCOPED_TRACE(c.name);
        const std::string file = patternFile(c.fileBytes);
        dir_.writeFile(c.fileName, file);
        BandImage band;
        measureFastBand(band, c.fileName, c.headerPixels, c.headerLines);
        const test::MessageCapture capture;
        ASSERT_TRUE(band.loadPixels());
        const std::vector<std::uint8_t> rows =
            expectedRows(file, 0, band.recordLength(), band.lineCount(), band.pixelsPerLine());
        EXPECT_EQ(pixelsOf(band), rows);
        EXPECT_EQ(band.histogram()->counts, countsOf(rows));
    }

    const struct {
        const char* name;
        const char* prefix;
        std::size_t records;
        std::int32_t firstPixelOffset;
    } recordCases[] = {
        {"record format, 1,200 records of 2,000 bytes and 5 more bytes", " 180", 1200, 202},
        // A negative prefix puts each line's start 28 bytes before its record and
        // its end 3 bytes into the next one.
        {"record format, lines longer than their records", " -50", 300, -28},
    };
    for (const auto& c : recordCases) {
        SCOPED_TRACE(c.name);
        const std::string file = framedRecordFile(2000, c.records, 5, c.prefix);
        BandImage band;
        measureRecordBand(band, file);
        const std::int32_t pixels = 2000 - c.firstPixelOffset - 25;
        const int lines = static_cast<int>(c.records) - 1;
        ASSERT_EQ(band.firstPixelOffset(), c.firstPixelOffset);
        ASSERT_EQ(band.pixelsPerLine(), pixels);
        const test::MessageCapture capture;
        ASSERT_TRUE(band.loadPixels());
        const std::vector<std::uint8_t> rows =
            expectedRows(file, c.firstPixelOffset, 2000, lines, pixels);
        EXPECT_EQ(pixelsOf(band), rows);
        EXPECT_EQ(band.histogram()->counts, countsOf(rows));
    }
}

TEST_F(BandPixelsTest, GeometryThatNoBufferFitsFailsWithoutPixelsOrHistogram) {
    const struct {
        const char* fileName;
        int headerPixels;
        int headerLines;
    } cases[] = {
        {"SCENE_B10.FST", 65536, 65536},  // 2^32 bytes, 0 when counted in 32 bits
        {"SCENE_B10.FST", 46341, 46341},  // just past INT32_MAX
        {"SCENE_B10.FST", 1200000000, 500},
        {"SCENE_B80.FST", 40000, 40000},  // doubled to 80,000 lines
        {"SCENE_B10.FST", 0, 4},          // no pixel
        {"SCENE_B10.FST", 16, 0},         // no line
        {"SCENE_B10.FST", -16, 4},
        {"SCENE_B10.FST", -16, -4},  // a positive product of two negative counts
    };
    dir_.writeFile("SCENE_B10.FST", patternFile(1000));
    dir_.writeFile("SCENE_B80.FST", patternFile(1000));
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.fileName) + " " + std::to_string(c.headerPixels));
        BandImage band;
        measureFastBand(band, c.fileName, c.headerPixels, c.headerLines);
        EXPECT_FALSE(band.loadPixels());
        EXPECT_EQ(band.pixels(), nullptr);
        EXPECT_EQ(band.histogram(), nullptr);
    }

    BandImage unmeasured;
    ASSERT_TRUE(unmeasured.setPath(dir_.path("SCENE_B10.FST")));
    EXPECT_FALSE(unmeasured.loadPixels());
    EXPECT_EQ(unmeasured.pixels(), nullptr);
}

TEST_F(BandPixelsTest, GeometryFarBeyondItsFileIsRefusedBeforeAnyBuffer) {
    // Lines of 1,024 pixels over a file of 1,024 bytes: every line past the first
    // adds 1,024 bytes that only zeros can fill.
    constexpr int kPixels = 1024;
    constexpr int kLinesAtTheLimit = BandImage::kMaxBytesBeyondFile / kPixels + 1;
    const struct {
        int headerLines;
        bool loads;
    } cases[] = {{kLinesAtTheLimit, true}, {kLinesAtTheLimit + 1, false}};
    dir_.writeFile("SCENE_B10.FST", patternFile(kPixels));
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.headerLines) + " lines");
        BandImage band;
        measureFastBand(band, "SCENE_B10.FST", kPixels, c.headerLines);
        const test::MessageCapture capture;
        EXPECT_EQ(band.loadPixels(), c.loads);
        EXPECT_EQ(band.pixels() != nullptr, c.loads);
        EXPECT_EQ(band.histogram() != nullptr, c.loads);
    }
}

TEST_F(BandPixelsTest, UnopenableFileFailsAndALaterLoadTriesAgain) {
    BandImage band;
    measureFastBand(band, "SCENE_B10.FST", 16, 4);
    EXPECT_FALSE(band.loadPixels());
    EXPECT_EQ(band.pixels(), nullptr);
    EXPECT_EQ(band.histogram(), nullptr);

    const std::string file = patternFile(64);
    dir_.writeFile("SCENE_B10.FST", file);
    ASSERT_TRUE(band.loadPixels());
    EXPECT_EQ(pixelsOf(band), expectedRows(file, 0, 16, 4, 16));
    EXPECT_NE(band.histogram(), nullptr);
}

TEST_F(BandPixelsTest, LoadedBandReadsNothingAgain) {
    dir_.writeFile("SCENE_B10.FST", patternFile(64));
    BandImage band;
    measureFastBand(band, "SCENE_B10.FST", 16, 4);
    ASSERT_TRUE(band.loadPixels());
    const std::uint8_t* pixels = band.pixels();

    std::filesystem::remove(dir_.native("SCENE_B10.FST"));
    EXPECT_TRUE(band.loadPixels());
    EXPECT_EQ(band.pixels(), pixels);
}

TEST_F(BandPixelsTest, ReloadReadsThePixelsAgainButKeepsTheFirstHistogram) {
    // 64 x 8 pixels, half of them 0: enough zeros to cap their bar.
    const std::string first = std::string(256, '\0') + patternFile(256);
    dir_.writeFile("SCENE_B10.FST", first);
    BandImage band;
    measureFastBand(band, "SCENE_B10.FST", 64, 8);
    test::MessageCapture capture;
    ASSERT_TRUE(band.loadPixels());
    EXPECT_EQ(capture.boxes().size(), 1u);

    Histogram* histogram = band.histogram();
    ASSERT_NE(histogram, nullptr);
    const Histogram kept = *histogram;
    histogram->lowLevel = 12;
    histogram->highLevel = 240;

    band.releasePixels();
    EXPECT_EQ(band.pixels(), nullptr);
    EXPECT_EQ(band.histogram(), histogram);

    const std::string second(512, '\x07');
    dir_.writeFile("SCENE_B10.FST", second);
    ASSERT_TRUE(band.loadPixels());
    EXPECT_EQ(pixelsOf(band), std::vector<std::uint8_t>(512, 7));
    EXPECT_EQ(band.histogram(), histogram);
    EXPECT_EQ(histogram->counts, kept.counts);
    EXPECT_EQ(histogram->heights, kept.heights);
    EXPECT_EQ(histogram->mean, kept.mean);
    EXPECT_EQ(histogram->modeBin, kept.modeBin);
    EXPECT_EQ(histogram->deviation, kept.deviation);
    EXPECT_EQ(histogram->lowLevel, 12);
    EXPECT_EQ(histogram->highLevel, 240);
    EXPECT_EQ(capture.boxes().size(), 1u);  // no second table, no second box
}

// A pixel read alone from the file, nothing loaded, is the one loading places:
// row lineCount - 1 - line of the buffer, at the corners and in the middle.
TEST_F(BandPixelsTest, PixelReadFromTheFileIsTheOneLoadingPlaces) {
    struct Place {
        int column;
        int line;
    };
    const struct {
        const char* name;
        const char* fileName;
        std::string bytes;
        int headerPixels;  // 0 for the record format
        int headerLines;
        std::int64_t topLeft;  // the file offset of shown pixel (0, 0), or kZero
    } cases[] = {
        {"record format, framed, 5 bytes after the last record", "SCENE_B1.DAT",
         workedExampleFile(5), 0, 0, 1007},
        // The image lines are the last 500 records.
        {"fast format", "SCENE_B10.FST", patternFile(600 * 500 + 7), 600, 500, 7},
        {"BAND80: the first half of doubled records", "SCENE_B80.FST", patternFile(1200 * 1000 + 3),
         600, 500, 3},
        // Four whole lines and 30 bytes: the top six lines lie before the file.
        {"cut short", "SCENE_B10.FST", patternFile(430), 100, 10, kZero},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dir_.writeFile(c.fileName, c.bytes);
        BandImage fromFile, loaded;
        if (c.headerPixels == 0) {
            measureRecordBand(fromFile, c.bytes);
            measureRecordBand(loaded, c.bytes);
        } else {
            measureFastBand(fromFile, c.fileName, c.headerPixels, c.headerLines);
            measureFastBand(loaded, c.fileName, c.headerPixels, c.headerLines);
        }
        const test::MessageCapture capture;
        ASSERT_TRUE(loaded.loadPixels());
        const int right = loaded.pixelsPerLine() - 1;
        const int bottom = loaded.lineCount() - 1;
        for (const Place p : {Place{0, 0}, Place{right, 0}, Place{0, bottom}, Place{right, bottom},
                              Place{right / 2, bottom / 2}}) {
            SCOPED_TRACE("column " + std::to_string(p.column) + " line " + std::to_string(p.line));
            EXPECT_EQ(loaded.pixelAt(p.column, p.line), pixelAt(loaded, bottom - p.line, p.column));
            EXPECT_EQ(fromFile.pixelAt(p.column, p.line), loaded.pixelAt(p.column, p.line));
        }
        const std::uint8_t topLeft = c.topLeft == kZero ? 0 : patternByte(c.topLeft);
        EXPECT_EQ(fromFile.pixelAt(0, 0), topLeft);
        for (const Place p :
             {Place{-1, 0}, Place{0, -1}, Place{right + 1, 0}, Place{0, bottom + 1}}) {
            EXPECT_EQ(fromFile.pixelAt(p.column, p.line), std::nullopt);
            EXPECT_EQ(loaded.pixelAt(p.column, p.line), std::nullopt);
        }
        EXPECT_EQ(fromFile.pixels(), nullptr);
    }
}

// Where loading refuses the band, a pixel alone is refused too.
TEST_F(BandPixelsTest, PixelOfABandThatCannotLoadIsNothing) {
    BandImage band;
    measureFastBand(band, "SCENE_B10.FST", 1024, BandImage::kMaxBytesBeyondFile / 1024 + 2);
    EXPECT_EQ(band.pixelAt(0, 0), std::nullopt);  // no file
    dir_.writeFile("SCENE_B10.FST", patternFile(1024));
    EXPECT_EQ(band.pixelAt(5, band.lineCount() - 1), std::nullopt);  // far beyond the file
}

}  // namespace
}  // namespace qm
