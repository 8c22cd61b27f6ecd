// Band keys, display names and the geometry of record-format and fast-format bands.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "band/band_image.h"
#include "paths/paths.h"
#include "tests/support/temp_dir.h"

namespace qm {
namespace {

// The bytes of a record-format band file: whole records, the record length stated
// at bytes 8 to 11 of the first one.
class RecordFile {
  public:
    RecordFile(int recordLength, int records, int extraBytes = 0)
        : recordLength_(recordLength),
          bytes_(static_cast<std::size_t>(recordLength * records + extraBytes), '\0') {
        bigEndian(8, static_cast<std::uint32_t>(recordLength), 4);
    }
    RecordFile& text(std::size_t offset, std::string_view text) {
        bytes_.replace(offset, text.size(), text);
        return *this;
    }
    RecordFile& bigEndian(std::size_t offset, std::uint32_t value, int width) {
        for (int i = width - 1; i >= 0; --i, value >>= 8) {
            bytes_[offset + static_cast<std::size_t>(i)] = static_cast<char>(value & 0xFF);
        }
        return *this;
    }
    // A fill count at a position inside an image record.
    RecordFile& fill(int record, int position, std::uint32_t value) {
        return bigEndian(static_cast<std::size_t>(record * recordLength_ + position), value, 2);
    }
    const std::string& bytes() const { return bytes_; }

  private:
    int recordLength_;
    std::string bytes_;
};

// The band-layout section SAT1OPT with the given geometry keys.
std::string layoutSection(std::string_view keys) {
    return "[SAT1OPT]\n" + std::string(keys);
}

// Prefix text at 20, suffix text at 24, both 4 wide; fills are 2-byte counts at
// record offsets 16 (left) and 18 (right).
constexpr char kFramingKeys[] =
    "PrefixPos=20\nPrefixSize=4\nSuffixPos=24\nSuffixSize=4\n"
    "LeftFillPos=16\nLeftFillSize=2\nRightFillPos=18\nRightFillSize=2\n";

class BandGeometryTest : public testing::Test {
  protected:
    void writeConfiguration(std::string_view text) const { dir_.writeFile("QMDATA.INI", text); }

    // Writes the band file and reads its geometry as a SAT1/OPT product would:
    // nothing when measured, else why not.
    std::optional<BandRefusal> measure(BandImage& band, std::string_view fileName,
                                       const std::string& bytes,
                                       BandFormat format = BandFormat::Record, int headerPixels = 0,
                                       int headerLines = 0) const {
        EXPECT_TRUE(band.setPath(dir_.writeFile(fileName, bytes)));
        return band.readGeometry(format, configuration(), "SAT1", "OPT", headerPixels, headerLines);
    }
    std::string configuration() const { return dir_.path("QMDATA.INI"); }

    test::TempDir dir_;
};

TEST_F(BandGeometryTest, WorkedExampleTakesTheSmallerFillOfFirstAndLastRecord) {
    writeConfiguration(layoutSection(kFramingKeys));
    RecordFile file(800, 11);
    file.bigEndian(8, 0x320, 4).text(20, " 180").text(24, "   0");
    file.fill(1, 16, 10).fill(1, 18, 30);
    file.fill(5, 16, 1).fill(5, 18, 1);  // records between are never consulted
    file.fill(10, 16, 12).fill(10, 18, 25);

    BandImage band;
    ASSERT_EQ(measure(band, "SCENE_B3.DAT", file.bytes()), std::nullopt);
    EXPECT_EQ(band.recordLength(), 800);
    EXPECT_EQ(band.lineCount(), 10);
    EXPECT_EQ(band.prefixBytes(), 180);
    EXPECT_EQ(band.suffixBytes(), 0);
    EXPECT_EQ(band.leftFillBytes(), 10);
    EXPECT_EQ(band.rightFillBytes(), 25);
    EXPECT_EQ(band.firstPixelOffset(), 202);
    EXPECT_EQ(band.trailingBytes(), 25);
    EXPECT_EQ(band.pixelsPerLine(), 573);
}

struct GeometryCase {
    const char* name;
    std::string keys;
    RecordFile file;
    int lineCount;
    int firstPixelOffset;
    int trailingBytes;
    int pixelsPerLine;
};

TEST_F(BandGeometryTest, FramingFieldsGiveTheLineLayout) {
    const std::vector<GeometryCase> cases = {
        {"no geometry keys", "", RecordFile(100, 3), 2, 12, 0, 88},
        {"11 records give 10 lines", "", RecordFile(100, 11), 10, 12, 0, 88},
        {"a partial record is ignored", "", RecordFile(100, 11, 1), 10, 12, 0, 88},
        {"smallest usable record", "", RecordFile(13, 2), 1, 12, 0, 1},
        {"leading blanks before the prefix", "PrefixPos=20\nPrefixSize=4\n",
         RecordFile(100, 3).text(20, "   7"), 2, 19, 0, 81},
        {"text stops at the first non-digit", "PrefixPos=20\nPrefixSize=4\n",
         RecordFile(100, 3).text(20, "12AB"), 2, 24, 0, 76},
        {"width 0 reads nothing", "PrefixPos=20\nPrefixSize=0\n", RecordFile(100, 3).text(20, "99"),
         2, 12, 0, 88},
        {"width 16 is accepted", "PrefixPos=20\nPrefixSize=16\n",
         RecordFile(100, 3).text(20, "               9"), 2, 21, 0, 79},
        {"suffix narrower than prefix", "PrefixPos=20\nPrefixSize=4\nSuffixPos=30\nSuffixSize=2\n",
         RecordFile(800, 3).text(20, "0100").text(30, "05"), 2, 112, 5, 683},
        {"unreachable field is not read where the last one ended",
         "PrefixPos=20\nPrefixSize=3\nSuffixPos=-1\nSuffixSize=2\n",
         RecordFile(800, 3).text(20, "18099"), 2, 192, 0, 608},
        {"fill bytes past the end count as zero in their place",
         "LeftFillPos=399\nLeftFillSize=2\n", RecordFile(400, 2).bigEndian(799, 1, 1), 1, 268, 0,
         132},
    };
    for (const GeometryCase& c : cases) {
        SCOPED_TRACE(c.name);
        writeConfiguration(layoutSection(c.keys));
        BandImage band;
        ASSERT_EQ(measure(band, "SCENE_B1.DAT", c.file.bytes()), std::nullopt);
        EXPECT_EQ(band.lineCount(), c.lineCount);
        EXPECT_EQ(band.firstPixelOffset(), c.firstPixelOffset);
        EXPECT_EQ(band.trailingBytes(), c.trailingBytes);
        EXPECT_EQ(band.pixelsPerLine(), c.pixelsPerLine);
        EXPECT_EQ(band.pixelsPerLine(),
                  band.recordLength() - band.firstPixelOffset() - band.trailingBytes());
    }
}

struct RejectionCase {
    const char* name;
    std::string keys;
    std::string bytes;
    BandRefusal refusal;
};

// Without a record length that fits the file there are no records to count.
TEST_F(BandGeometryTest, RefusesFilesWithoutWholeRecords) {
    std::string elevenBytes(11, '\0');
    elevenBytes[10] = 1;  // bytes 8 to 11 read 00 00 01 and a missing 00
    const std::vector<RejectionCase> cases = {
        {"shorter than 12 bytes", "", elevenBytes, BandRefusal::TooShort},
        {"record length 0", "", RecordFile(100, 3).bigEndian(8, 0, 4).bytes(),
         BandRefusal::NoRecordLength},
        {"negative record length", "", RecordFile(100, 3).bigEndian(8, 0x80000000u, 4).bytes(),
         BandRefusal::NoRecordLength},
        {"shorter than one record", "", RecordFile(100, 3).bigEndian(8, 301, 4).bytes(),
         BandRefusal::TooShort},
        {"field wider than 16 bytes", "PrefixPos=20\nPrefixSize=17\n", RecordFile(100, 3).bytes(),
         BandRefusal::FieldTooWide},
        {"negative field width", "SuffixPos=20\nSuffixSize=-1\n", RecordFile(100, 3).bytes(),
         BandRefusal::FieldTooWide},
    };
    for (const RejectionCase& c : cases) {
        SCOPED_TRACE(c.name);
        writeConfiguration(layoutSection(c.keys));
        BandImage band;
        EXPECT_EQ(measure(band, "SCENE_B1.DAT", c.bytes), c.refusal);
    }
}

// Any other file is a band, with whatever its numbers give: no line, no pixel or
// fewer than none (such a band never loads). Sums past 32 bits stay at the limit.
TEST_F(BandGeometryTest, FilesWithoutLinesOrPixelsAreBandsWithTheirNumbers) {
    const std::string prefixKeys = "PrefixPos=20\nPrefixSize=4\n";
    const std::string suffixKeys = "SuffixPos=24\nSuffixSize=4\n";
    const std::string wideKeys = "PrefixPos=20\nPrefixSize=13\nLeftFillPos=40\nLeftFillSize=4\n";
    const std::vector<GeometryCase> cases = {
        {"exactly one record", "", RecordFile(100, 1), 0, 12, 0, 88},
        {"one record and a part", "", RecordFile(100, 1, 99), 0, 12, 0, 88},
        {"record length 12", "", RecordFile(12, 3), 2, 12, 0, 0},
        {"record length 1", "", RecordFile(1, 12), 11, 12, 0, -11},
        {"framing fills the record", prefixKeys, RecordFile(100, 3).text(20, "  88"), 2, 100, 0, 0},
        {"first pixel inside the record header", prefixKeys, RecordFile(100, 3).text(20, "  -1"), 2,
         11, 0, 89},
        {"first pixel past the record", prefixKeys, RecordFile(100, 3).text(20, " 200"), 2, 212, 0,
         -112},
        {"negative trailing bytes", suffixKeys, RecordFile(100, 3).text(24, "  -1"), 2, 12, -1, 89},
        {"trailing bytes past the pixels", suffixKeys, RecordFile(100, 3).text(24, "  89"), 2, 12,
         89, -1},
        {"counts past the upper 32-bit limit", wideKeys,
         RecordFile(100, 3)
             .text(20, "9999999999999")
             .bigEndian(140, 0x7FFFFFFF, 4)
             .bigEndian(240, 0x7FFFFFFF, 4),
         2, INT32_MAX, 0, INT32_MIN},
        {"counts past the lower 32-bit limit", wideKeys,
         RecordFile(100, 3)
             .text(20, "-999999999999")
             .bigEndian(140, 0x80000000u, 4)
             .bigEndian(240, 0x80000000u, 4),
         2, INT32_MIN, 0, INT32_MAX},
    };
    for (const GeometryCase& c : cases) {
        SCOPED_TRACE(c.name);
        writeConfiguration(layoutSection(c.keys));
        BandImage band;
        ASSERT_EQ(measure(band, "SCENE_B1.DAT", c.file.bytes()), std::nullopt);
        EXPECT_EQ(band.lineCount(), c.lineCount);
        EXPECT_EQ(band.firstPixelOffset(), c.firstPixelOffset);
        EXPECT_EQ(band.trailingBytes(), c.trailingBytes);
        EXPECT_EQ(band.pixelsPerLine(), c.pixelsPerLine);
    }
}

TEST_F(BandGeometryTest, RefusesBandsThatCannotBeRead) {
    BandImage missing;
    ASSERT_TRUE(missing.setPath(dir_.path("MISSING.DAT")));
    EXPECT_EQ(missing.fileSize(), -1);
    EXPECT_EQ(missing.readGeometry(BandFormat::Record, configuration(), "SAT1", "OPT", 0, 0),
              BandRefusal::Unreadable);

    BandImage folder;
    ASSERT_TRUE(folder.setPath(dir_.makeDir("FOLDER.DAT")));
    EXPECT_EQ(folder.readGeometry(BandFormat::Record, configuration(), "SAT1", "OPT", 0, 0),
              BandRefusal::Unreadable);
}

TEST_F(BandGeometryTest, FileTooLargeForThirtyTwoBitsHasNoSize) {
#ifdef _WIN32
    GTEST_SKIP() << "a sparse file is not cheap here";
#else
    const std::string path = dir_.writeFile("BIG_B1.DAT", RecordFile(100, 3).bytes());
    std::error_code error;
    std::filesystem::resize_file(dir_.native("BIG_B1.DAT"), std::uintmax_t{3} << 30, error);
    if (error)
        GTEST_SKIP() << "cannot make a sparse file: " << error.message();
    BandImage band;
    ASSERT_TRUE(band.setPath(path));
    EXPECT_EQ(band.fileSize(), -1);
    EXPECT_EQ(band.readGeometry(BandFormat::Record, configuration(), "SAT1", "OPT", 0, 0),
              BandRefusal::Unreadable);
#endif
}

struct FastCase {
    const char* fileName;
    int headerPixels;
    int headerLines;
    int recordLength;
    int lineCount;
};

// The numbers are taken as they stand, even when they leave no picture.
TEST_F(BandGeometryTest, FastFormatTakesTheHeaderNumbersAndDoublesBand80) {
    const std::vector<FastCase> cases = {
        {"SCENE_B80.FST", 600, 500, 1200, 1000},
        {"SCENE_B10.FST", 600, 500, 600, 500},
        {"SCENE_B10.FST", 0, 500, 0, 500},
        {"SCENE_B10.FST", 600, 0, 600, 0},
        {"SCENE_B10.FST", 600, -1, 600, -1},
        {"SCENE_B80.FST", -600, -500, -1200, -1000},
        {"SCENE_B80.FST", 1200000000, 500, INT32_MAX, 1000},
        {"SCENE_B10.FST", 1200000000, 500, 1200000000, 500},
    };
    for (const FastCase& c : cases) {
        SCOPED_TRACE(std::string(c.fileName) + " " + std::to_string(c.headerPixels) + " " +
                     std::to_string(c.headerLines));
        BandImage band;
        ASSERT_EQ(measure(band, c.fileName, "", BandFormat::Fast, c.headerPixels, c.headerLines),
                  std::nullopt);
        EXPECT_EQ(band.recordLength(), c.recordLength);
        EXPECT_EQ(band.lineCount(), c.lineCount);
        EXPECT_EQ(band.pixelsPerLine(), c.headerPixels);
        EXPECT_EQ(band.firstPixelOffset(), 0);
        EXPECT_EQ(band.trailingBytes(), 0);
    }
}

TEST_F(BandGeometryTest, BandKeyComesFromTheEndOfTheFileName) {
    const struct {
        const char* path;
        BandFormat format;
        const char* key;
    } cases[] = {
        {"D:\\P\\SCENE_B3.DAT", BandFormat::Record, "BAND3"},
        {"D:\\P\\SCENE_B80.FST", BandFormat::Fast, "BAND80"},
        {"B.DAT", BandFormat::Record, "BANDB"},
        {"B.DAT", BandFormat::Fast, ""},
    };
    for (const auto& c : cases) {
        BandImage band;
        ASSERT_TRUE(band.setPath(c.path));
        EXPECT_EQ(band.bandKey(c.format), c.key)
            << c.path << " format " << static_cast<int>(c.format);
    }
}

TEST_F(BandGeometryTest, DisplayNameComesFromTheBandLayoutSection) {
    writeConfiguration("[SAT1OPT]\nBAND3=Near infrared\nBAND4=*\nBAND6=" + std::string(1500, 'n') +
                       "\n");
    const std::string bytes = RecordFile(100, 3).bytes();
    const struct {
        const char* fileName;
        const char* satellite;
        const char* sensor;
        std::string name;
    } cases[] = {
        {"SCENE_B3.DAT", "SAT1", "OPT", "Near infrared"},
        {"SCENE_B3.DAT", "SAT1O", "PT", "Near infrared"},
        {"SCENE_B4.DAT", "SAT1", "OPT", "SCENE_B4.DAT"},
        {"SCENE_B5.DAT", "SAT1", "OPT", "SCENE_B5.DAT"},
        {"SCENE_B3.DAT", "SAT1", "IR", "SCENE_B3.DAT"},
        {"SCENE_B3.DAT", nullptr, nullptr, "SCENE_B3.DAT"},
        {"SCENE_B6.DAT", "SAT1", "OPT", std::string(1022, 'n')},
    };
    for (const auto& c : cases) {
        BandImage band;
        ASSERT_TRUE(band.setPath(dir_.writeFile(c.fileName, bytes)));
        EXPECT_EQ(
            band.readGeometry(BandFormat::Record, configuration(), c.satellite, c.sensor, 0, 0),
            std::nullopt);
        EXPECT_EQ(band.bandName(), c.name) << c.fileName;
    }
}

TEST_F(BandGeometryTest, DisplayNameStaysWhenTheGeometryFails) {
    writeConfiguration("[SAT1OPT]\nBAND3=Red\n");
    BandImage broken;
    EXPECT_NE(measure(broken, "SCENE_B3.DAT", RecordFile(100, 3).bigEndian(8, 0, 4).bytes()),
              std::nullopt);
    EXPECT_EQ(broken.bandName(), "Red");
}

// A configuration code other than 1 or 2 names no format, so no band is made of it.
TEST(BandFormat, OnlyCodesOneAndTwoNameAFormat) {
    const std::pair<int, std::optional<BandFormat>> cases[] = {
        {1, BandFormat::Record}, {2, BandFormat::Fast}, {0, std::nullopt},
        {3, std::nullopt},       {-1, std::nullopt},    {257, std::nullopt},
    };
    for (const auto& [code, format] : cases)
        EXPECT_EQ(bandFormatOf(code), format) << code;
}

TEST(BandGeometry, BigEndianValueWrapsInThirtyTwoBits) {
    const struct {
        std::vector<unsigned char> bytes;
        std::int32_t value;
    } cases[] = {
        {{0x00, 0x00, 0x03, 0x20}, 800},
        {{}, 0},
        {{0xFF}, 255},
        {{0x12, 0x34}, 0x1234},
        {{0xFF, 0xFF, 0xFF, 0xFF}, -1},
        {{0x80, 0x00, 0x00, 0x00}, INT32_MIN},
        {{0x01, 0x02, 0x00, 0x00, 0x03, 0x20}, 800},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(bigEndianValue(c.bytes.data(), static_cast<int>(c.bytes.size())), c.value);
    }
}

TEST(BandGeometry, ReadBigEndianAtCountsBytesOutsideTheFileAsZero) {
    test::TempDir dir;
    const std::string path = dir.writeFile("F.DAT", std::string("\x09\x00\x00\x03\x20\x01", 6));
    const struct {
        std::int64_t offset;
        int n;
        int value;
    } cases[] = {
        {1, 4, 800}, {5, 2, 256}, {6, 4, 0}, {-4, 4, 0}, {0, 5, 800}, {0, 0, 0},
    };
    for (const auto& c : cases) {
        int value = -7;
        EXPECT_TRUE(readBigEndianAt(path, c.offset, c.n, value));
        EXPECT_EQ(value, c.value) << "offset " << c.offset << " n " << c.n;
    }
    int untouched = 77;
    EXPECT_FALSE(readBigEndianAt(dir.path("MISSING.DAT"), 0, 4, untouched));
    EXPECT_EQ(untouched, 77);
}

}  // namespace
}  // namespace qm
