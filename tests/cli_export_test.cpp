// quillmere-cli export, run in-process on small products built in temporary
// folders; every file it writes is read back with a bitmap reader of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "paths/paths.h"
#include "platform/platform.h"
#include "tests/support/cli_run.h"
#include "tests/support/png_reader.h"
#include "tests/support/product_files.h"
#include "tests/support/scoped_write_fault.h"
#include "tests/support/temp_dir.h"
#include "tools/cli/command_line.h"
#include "tools/sample_gen/sample_products.h"
#include "view/auto_levels.h"
#include "view/levels.h"
#include "view/texts.h"

namespace qm {
namespace {

using nlohmann::json;
using Strings = std::vector<std::string>;
using test::CliResult;
using test::runCli;
using Bytes = std::vector<std::uint8_t>;
// A band's pixels as its file holds them: the top line of the picture first.
using Lines = std::vector<Bytes>;

constexpr int kWidth = 5;
constexpr int kHeight = 4;

std::string utf8(std::u8string_view text) {
    return std::string(text.begin(), text.end());
}

// A program text as the console shows it: UTF-8 on POSIX, the program's own code
// page bytes on Windows.
std::string consoleText([[maybe_unused]] const char* programText,
                        [[maybe_unused]] std::u8string_view utf8Text) {
#ifdef _WIN32
    return programText;
#else
    return utf8(utf8Text);
#endif
}

// Bands 1 to 3 of each product: values that tell band, line and column apart.
Lines bandLines(int band) {
    Lines lines(kHeight, Bytes(kWidth));
    for (int k = 0; k < kHeight; ++k) {
        for (int j = 0; j < kWidth; ++j)
            lines[k][j] = static_cast<std::uint8_t>(60 * (band - 1) + 10 * k + j + 1);
    }
    return lines;
}

// Band 5 of the record product: its top line holds the values the level tests map.
Lines levelLines() {
    Lines lines = bandLines(1);
    lines[0] = {40, 50, 100, 150, 200};
    return lines;
}

// Records of 31 bytes: 12-byte header, 8-byte prefix, 1 left fill byte, the 5
// pixels, 2 right fill bytes and a 3-byte suffix.
constexpr std::uint32_t kRecordLength = 31;
constexpr std::size_t kFirstPixelOffset = 21;

std::string recordBandFile(const Lines& lines, std::uint32_t recordLength = kRecordLength) {
    std::string file =
        test::RecordBand{recordLength, lines.size() + 1, "   8", "   3", {1, 2}, {1, 2}}.bytes();
    for (std::size_t k = 0; k < lines.size(); ++k)
        file.replace((k + 1) * recordLength + kFirstPixelOffset, lines[k].size(),
                     std::string(lines[k].begin(), lines[k].end()));
    return file;
}

std::string fastBandFile(const Lines& lines) {
    std::string file;
    for (const Bytes& line : lines)
        file.append(line.begin(), line.end());
    return file;
}

constexpr char kConfiguration[] =
    "[Logical Format]\r\nREC=1\r\nFAST=2\r\n"
    "[FileNameMask]\r\nREC=*.DAT\r\nFAST=*_B*.FST\r\n"
    "[SAT1OPT]\r\nBAND1=赤バンド\r\n"
    "PrefixPos=20\r\nPrefixSize=4\r\nSuffixPos=24\r\nSuffixSize=4\r\n"
    "LeftFillPos=16\r\nLeftFillSize=2\r\nRightFillPos=18\r\nRightFillSize=2\r\n";

// A bitmap file as bytes, read with nothing of the program's own.
class Bitmap {
  public:
    explicit Bitmap(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::size_t size() const { return bytes_.size(); }
    const Bytes& bytes() const { return bytes_; }
    std::uint32_t u32(std::size_t at) const {
        return bytes_[at] | bytes_[at + 1] << 8 | bytes_[at + 2] << 16 |
               static_cast<std::uint32_t>(bytes_[at + 3]) << 24;
    }
    std::uint16_t u16(std::size_t at) const {
        return static_cast<std::uint16_t>(bytes_[at] | bytes_[at + 1] << 8);
    }
    std::int32_t width() const { return static_cast<std::int32_t>(u32(18)); }
    std::int32_t height() const { return static_cast<std::int32_t>(u32(22)); }
    int bytesPerPixel() const { return u16(28) / 8; }
    std::size_t stride() const { return (bytesPerPixel() * width() + 3) / 4 * 4; }
    std::size_t rowBytes() const { return static_cast<std::size_t>(bytesPerPixel() * width()); }

    // File row r without its padding; row 0 is the first after the headers.
    Bytes row(int r) const {
        const auto start = bytes_.begin() + u32(10) + r * stride();
        return Bytes(start, start + rowBytes());
    }
    Bytes padding(int r) const {
        const auto start = bytes_.begin() + u32(10) + r * stride() + rowBytes();
        return Bytes(start, start + (stride() - rowBytes()));
    }
    Lines rows() const {
        Lines all;
        for (int r = 0; r < height(); ++r)
            all.push_back(row(r));
        return all;
    }

  private:
    Bytes bytes_;
};

// The headers of an uncompressed bottom-up file of that depth and size, the grey
// palette of an 8-bit one, zero padding, and nothing after the last row.
void expectWellFormed(const Bitmap& bitmap, int bits, int width, int height) {
    ASSERT_GE(bitmap.size(), 58u);
    const std::uint32_t offset = bits == 8 ? 1078 : 58;
    EXPECT_EQ(bitmap.u16(0), 0x4D42);  // "BM"
    EXPECT_EQ(bitmap.u32(2), bitmap.size());
    EXPECT_EQ(bitmap.u32(10), offset);
    EXPECT_EQ(bitmap.u32(14), 40u);
    EXPECT_EQ(bitmap.width(), width);
    EXPECT_EQ(bitmap.height(), height);
    EXPECT_EQ(bitmap.u16(26), 1);
    EXPECT_EQ(bitmap.u16(28), bits);
    EXPECT_EQ(bitmap.u32(30), 0u);
    EXPECT_EQ(bitmap.u32(54), 0u);
    ASSERT_EQ(bitmap.size(), offset + bitmap.stride() * static_cast<std::size_t>(height));
    for (std::uint32_t i = 1; bits == 8 && i < 256; ++i)
        ASSERT_EQ(bitmap.u32(54 + 4 * i), i | i << 8 | i << 16) << "palette entry " << i;
    for (int r = 0; r < height; ++r)
        EXPECT_EQ(bitmap.padding(r), Bytes(bitmap.stride() - bitmap.rowBytes(), 0)) << r;
}

// File row r holds line height - 1 - r: the bottom line of the picture comes first.
Lines bottomUp(const Lines& lines) {
    return Lines(lines.rbegin(), lines.rend());
}

// Rows of blue, green, red from three channels' lines (null: a channel without a band).
Lines colourRows(const Lines* red, const Lines* green, const Lines* blue) {
    Lines rows(kHeight, Bytes(3 * kWidth, 0));
    const Lines* channels[] = {blue, green, red};
    for (int r = 0; r < kHeight; ++r) {
        for (int j = 0; j < kWidth; ++j) {
            for (int c = 0; c < 3; ++c) {
                if (channels[c])
                    rows[r][3 * j + c] = (*channels[c])[kHeight - 1 - r][j];
            }
        }
    }
    return rows;
}

// Each line through its own mapping of pixel values.
Lines mapped(const Lines& lines, const std::array<std::uint8_t, 256>& table) {
    Lines out = lines;
    for (Bytes& line : out) {
        for (std::uint8_t& pixel : line)
            pixel = table[pixel];
    }
    return out;
}

class CliExportTest : public testing::Test {
  protected:
    void SetUp() override {
        startDirectory_ = platform::currentDirectory();
        dir_.writeFile("QMDATA.INI", kConfiguration);
        writeRecordProduct();
        writeFastProduct();
        writeScene();
    }
    void TearDown() override { platform::setCurrentDirectory(startDirectory_); }

    // "export LABEL -o OUT.BMP --config QMDATA.INI" and the choices.
    CliResult exportTo(std::string_view label, std::string_view output,
                       const Strings& choices) const {
        Strings arguments = {"export",          dir_.path(label), "-o",
                             dir_.path(output), "--config",       dir_.path("QMDATA.INI")};
        arguments.insert(arguments.end(), choices.begin(), choices.end());
        return runCli(arguments);
    }

    // SCENE01, record format: bands 1 to 3, band 4 one pixel wider, band 5 for levels.
    void writeRecordProduct() const {
        dir_.writeFile(
            "SCENE01.LAB",
            test::labelText({{"Satellite : SAT1", "Sensor : OPT", "Logical Format : REC"}}));
        for (int b = 1; b <= 3; ++b)
            dir_.writeFile("SCENE01/SCENE_B" + std::to_string(b) + ".DAT",
                           recordBandFile(bandLines(b)));
        dir_.writeFile("SCENE01/SCENE_B4.DAT", recordBandFile(bandLines(1), kRecordLength + 1));
        dir_.writeFile("SCENE01/SCENE_B5.DAT", recordBandFile(levelLines()));
    }

    // SCENE02, fast format: SCENE_B10, B20 and B30 hold the lines of bands 1 to 3.
    void writeFastProduct() const {
        dir_.writeFile(
            "SCENE02.LAB",
            test::labelText({{"Satellite : SAT1", "Sensor : OPT", "Logical Format : FAST"}}));
        dir_.writeFile("SCENE02/L7A_HRF.FST", test::fastHeader("5 ", "4 "));
        for (int b = 1; b <= 3; ++b)
            dir_.writeFile("SCENE02/SCENE_B" + std::to_string(b) + "0.FST",
                           fastBandFile(bandLines(b)));
    }

    // SCENE04, a Landsat 7 scene without a label: its header names the same band
    // files as SCENE02's.
    void writeScene() const {
        dir_.writeFile("SCENE04/L71SCN_HRF.FST",
                       test::landsatHeader({"PIXELS PER LINE =" + std::to_string(kWidth) +
                                                " LINES PER BAND =" + std::to_string(kHeight),
                                            "FILENAME =SCENE_B10.FST FILENAME =SCENE_B20.FST",
                                            "FILENAME =SCENE_B30.FST"},
                                           {}, {}));
        for (int b = 1; b <= 3; ++b)
            dir_.writeFile("SCENE04/SCENE_B" + std::to_string(b) + "0.FST",
                           fastBandFile(bandLines(b)));
    }

    Bitmap bitmap(std::string_view name) const { return Bitmap(dir_.native(name)); }
    bool exists(std::string_view name) const { return std::filesystem::exists(dir_.native(name)); }

    test::TempDir dir_;
    std::string startDirectory_;
};

TEST_F(CliExportTest, SingleBandGivesGreyRowsBottomUp) {
    const struct {
        const char* label;
        const char* band;
    } cases[] = {
        {"SCENE01.LAB", "2"},
        {"SCENE02.LAB", "SCENE_B20.FST"},
        {"SCENE04/L71SCN_HRF.FST", "2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        dir_.writeFile("OUT.BMP", std::string(5000, 'x'));  // replaced, not kept
        const CliResult result = exportTo(c.label, "OUT.BMP", {"--band", c.band});
        ASSERT_EQ(result.status, cli::kExitSuccess) << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "");

        const Bitmap file = bitmap("OUT.BMP");
        expectWellFormed(file, 8, kWidth, kHeight);
        EXPECT_EQ(file.size(), 1078u + 8 * kHeight);
        EXPECT_EQ(file.rows(), bottomUp(bandLines(2)));
    }
}

TEST_F(CliExportTest, ThreeBandsGiveBlueGreenRedRowsBottomUp) {
    const Lines one = bandLines(1), two = bandLines(2), three = bandLines(3);
    const struct {
        const char* label;
        const char* rgb;
        Lines expected;
    } cases[] = {
        {"SCENE01.LAB", "3,1,2", colourRows(&three, &one, &two)},
        {"SCENE02.LAB", "3,1,2", colourRows(&three, &one, &two)},
        {"SCENE01.LAB", "1,-,3", colourRows(&one, nullptr, &three)},
        {"SCENE01.LAB", "-,-,2", colourRows(nullptr, nullptr, &two)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.label) + " " + c.rgb);
        const CliResult result = exportTo(c.label, "OUT.BMP", {"--rgb", c.rgb});
        ASSERT_EQ(result.status, cli::kExitSuccess) << result.err;
        EXPECT_EQ(result.err, "");

        const Bitmap file = bitmap("OUT.BMP");
        expectWellFormed(file, 24, kWidth, kHeight);
        EXPECT_EQ(file.size(), 58u + 16 * kHeight);  // 15 bytes a row and 1 of padding
        EXPECT_EQ(file.rows(), c.expected);
    }
}

TEST_F(CliExportTest, BandsAreChosenByNumberOrByDisplayName) {
    ASSERT_EQ(exportTo("SCENE01.LAB", "BY_NUMBER.BMP", {"--band", "1"}).status, cli::kExitSuccess);
    const Lines expected = bitmap("BY_NUMBER.BMP").rows();
    ASSERT_EQ(expected, bottomUp(bandLines(1)));
    for (const std::string& name : {std::string("赤バンド"), utf8(u8"赤バンド")}) {
        const CliResult result = exportTo("SCENE01.LAB", "BY_NAME.BMP", {"--band", name});
        ASSERT_EQ(result.status, cli::kExitSuccess) << result.err;
        EXPECT_EQ(bitmap("BY_NAME.BMP").rows(), expected);
    }
}

TEST_F(CliExportTest, LevelsMapEachChannelThroughItsOwnPair) {
    // The top line of band 5 is 40, 50, 100, 150, 200; it is the last row of the file.
    const struct {
        const char* name;
        Strings choices;
        Bytes topRow;
    } cases[] = {
        {"grey 50:150", {"--band", "5", "--levels", "50:150"}, {0, 0, 127, 254, 255}},
        {"the widest pair",
         {"--band", "5", "--levels", "-2147483648:2147483647"},
         {127, 127, 127, 127, 127}},
        {"high below low", {"--band", "5", "--levels", "150:50"}, {255, 254, 127, 0, 0}},
        // Red through 50:150, green (band 1) through 0:255 unchanged, blue has no band.
        {"colour",
         {"--rgb", "5,1,-", "--levels", "50:150,0:255,7:9"},
         {0, 1, 0, 0, 2, 0, 0, 3, 127, 0, 4, 254, 0, 5, 255}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CliResult result = exportTo("SCENE01.LAB", "OUT.BMP", c.choices);
        ASSERT_EQ(result.status, cli::kExitSuccess) << result.err;
        EXPECT_EQ(bitmap("OUT.BMP").row(kHeight - 1), c.topRow);
    }
}

// The PNG holds the bitmap's pixels: rows top-down instead of bottom-up, red first
// instead of blue.
Bytes pngOrderOf(const Bitmap& bmp) {
    Bytes pixels;
    const int channels = bmp.bytesPerPixel();
    for (int r = bmp.height() - 1; r >= 0; --r) {
        Bytes row = bmp.row(r);
        for (std::size_t j = 0; channels == 3 && j < row.size(); j += 3)
            std::swap(row[j], row[j + 2]);
        pixels.insert(pixels.end(), row.begin(), row.end());
    }
    return pixels;
}

TEST_F(CliExportTest, PngHoldsTheSamePixelsAsTheBitmap) {
    const struct {
        const char* name;
        Strings choices;
        int channels;
    } cases[] = {
        {"grey", {"--band", "5", "--levels", "50:150"}, 1},
        {"colour", {"--rgb", "5,1,-", "--levels", "50:150,0:255,7:9"}, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(exportTo("SCENE01.LAB", "OUT.BMP", c.choices).status, cli::kExitSuccess);
        const CliResult result = exportTo("SCENE01.LAB", "OUT.Png", c.choices);
        ASSERT_EQ(result.status, cli::kExitSuccess) << result.err;
        const test::DecodedPng png = test::readPng(dir_.native("OUT.Png"));
        EXPECT_EQ(png.width, kWidth);
        EXPECT_EQ(png.height, kHeight);
        EXPECT_EQ(png.channels, c.channels);
        EXPECT_EQ(png.pixels, pngOrderOf(bitmap("OUT.BMP")));
    }
}

TEST_F(CliExportTest, SeveralLabelsWriteOneFilePerProductIntoAFolder) {
    ASSERT_TRUE(std::filesystem::create_directory(dir_.native("OUT")));
    ASSERT_EQ(exportTo("SCENE01.LAB", "ALONE1.BMP", {"--band", "1"}).status, cli::kExitSuccess);
    ASSERT_EQ(exportTo("SCENE02.LAB", "ALONE2.BMP", {"--band", "1"}).status, cli::kExitSuccess);
    const std::string folder = dir_.path("OUT") + "/";
    const CliResult result = runCli({"export", dir_.path("SCENE01.LAB"), dir_.path("MISSING.LAB"),
                                     dir_.path("SCENE02.LAB"), "-o", folder, "--config",
                                     dir_.path("QMDATA.INI"), "--band", "1"});

    EXPECT_EQ(result.status, cli::kExitFailure);  // one of three failed
    EXPECT_EQ(result.out, dir_.path("SCENE01.LAB") + ": wrote " + folder + "SCENE01.bmp\n" +
                              dir_.path("MISSING.LAB") + ": failed\n" + dir_.path("SCENE02.LAB") +
                              ": wrote " + folder + "SCENE02.bmp\n");
    EXPECT_NE(result.err.find(dir_.path("MISSING.LAB")), std::string::npos) << result.err;
    EXPECT_EQ(bitmap("OUT/SCENE01.bmp").bytes(), bitmap("ALONE1.BMP").bytes());
    EXPECT_EQ(bitmap("OUT/SCENE02.bmp").bytes(), bitmap("ALONE2.BMP").bytes());
    EXPECT_FALSE(exists("OUT/MISSING.bmp"));

    const CliResult allGood = runCli({"export", dir_.path("SCENE01.LAB"), "-o", folder, "--config",
                                      dir_.path("QMDATA.INI"), "--band", "2"});
    EXPECT_EQ(allGood.status, cli::kExitSuccess) << allGood.err;
}

TEST_F(CliExportTest, AutoClipStretchesEachChannelBetweenItsPercentiles) {
    // 20 pixels a band; at 10 % low is the 2nd smallest value and high the 18th:
    // band 1 holds 1..5, 11..15, 21..25, 31..35, bands 2 and 3 the same plus 60, 120.
    const struct {
        const char* name;
        Strings clipped;
        Strings equivalent;
    } cases[] = {
        {"grey", {"--band", "1", "--auto-clip", "10"}, {"--band", "1", "--levels", "2:33"}},
        {"colour, one channel empty",
         {"--rgb", "1,-,3", "--auto-clip=10"},
         {"--rgb", "1,-,3", "--levels", "2:33,0:255,122:153"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(exportTo("SCENE01.LAB", "CLIP.BMP", c.clipped).status, cli::kExitSuccess);
        ASSERT_EQ(exportTo("SCENE01.LAB", "LEVELS.BMP", c.equivalent).status, cli::kExitSuccess);
        EXPECT_EQ(bitmap("CLIP.BMP").bytes(), bitmap("LEVELS.BMP").bytes());
    }
}

TEST_F(CliExportTest, AutoStddevStretchesEachChannelAroundItsMean) {
    // Band 1 holds 1..5, 11..15, 21..25, 31..35: mean 18, deviation 11 (the root of
    // 2540 / 20, truncated); band 3 the same 120 higher: mean 138.
    const struct {
        const char* name;
        Strings stretched;
        Strings equivalent;
    } cases[] = {
        {"grey, 1.5 deviations",
         {"--band", "1", "--auto-stddev", "1.5"},
         {"--band", "1", "--levels", "2:35"}},
        {"colour, one channel empty",
         {"--rgb", "1,-,3", "--auto-stddev=2"},
         {"--rgb", "1,-,3", "--levels", "-4:40,0:255,116:160"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(exportTo("SCENE01.LAB", "STDDEV.BMP", c.stretched).status, cli::kExitSuccess);
        ASSERT_EQ(exportTo("SCENE01.LAB", "LEVELS.BMP", c.equivalent).status, cli::kExitSuccess);
        EXPECT_EQ(bitmap("STDDEV.BMP").bytes(), bitmap("LEVELS.BMP").bytes());
    }
}

TEST_F(CliExportTest, AutomaticTrueColourLevelsComeFromTheBandsStatistics) {
    const CliResult stats = runCli({"info", dir_.path("SCENE01.LAB"), "--config",
                                    dir_.path("QMDATA.INI"), "--json", "--stats"});
    ASSERT_EQ(stats.status, cli::kExitSuccess) << stats.err;
    const json bands = json::parse(stats.out)["bands"];
    // Red band 3, green band 1, blue band 2.
    const int numbers[] = {3, 1, 2};
    std::array<BandStatistics, 3> statistics{};
    for (int c = 0; c < 3; ++c) {
        const json& band = bands[numbers[c] - 1];
        statistics[c] = {band["mean"].get<std::int32_t>(), band["deviation"].get<std::int32_t>()};
    }
    const std::array<LevelRange, 3> levels = trueColourLevels(statistics);
    Lines channels[3];
    for (int c = 0; c < 3; ++c) {
        channels[c] = mapped(bandLines(numbers[c]), levelTable(mapLevel, levels[c]));
        // Neither all black nor all white: the levels show in the bytes.
        ASSERT_NE(channels[c], Lines(kHeight, Bytes(kWidth, 0))) << c;
        ASSERT_NE(channels[c], Lines(kHeight, Bytes(kWidth, 255))) << c;
    }

    const CliResult result =
        exportTo("SCENE01.LAB", "OUT.BMP", {"--rgb", "3,1,2", "--auto-true-colour"});
    ASSERT_EQ(result.status, cli::kExitSuccess) << result.err;
    EXPECT_EQ(bitmap("OUT.BMP").rows(), colourRows(&channels[0], &channels[1], &channels[2]));
}

TEST_F(CliExportTest, AutomaticTrueColourLevelsNeedThreeBands) {
    const std::string message =
        texts::kThreeBandsNeededCaption + std::string(": ") + texts::kThreeBandsNeeded;
    const std::string shown =
        consoleText(message.c_str(),
                    u8"選択バンド数が少ないか、単バンドモードです。: "
                    u8"これを実行するには、可視域の３バンドを選択する必要があります。");
    for (const Strings& choices : {Strings{"--band", "1", "--auto-true-colour"},
                                   Strings{"--rgb", "1,-,3", "--auto-true-colour"}}) {
        SCOPED_TRACE(choices[1]);
        const CliResult result = exportTo("SCENE01.LAB", "OUT.BMP", choices);
        EXPECT_EQ(result.status, cli::kExitFailure);
        EXPECT_NE(result.err.find(shown + "\n"), std::string::npos) << result.err;
        EXPECT_NE(result.err.find(dir_.path("SCENE01.LAB")), std::string::npos) << result.err;
        EXPECT_FALSE(exists("OUT.BMP"));
    }
}

TEST_F(CliExportTest, BandsOfDifferentSizesAreRefused) {
    const CliResult result = exportTo("SCENE01.LAB", "OUT.BMP", {"--rgb", "1,4,-"});
    EXPECT_EQ(result.status, cli::kExitFailure);
    const std::string box = consoleText("ERROR: サイズの違うデータを扱おうとしました。",
                                        u8"ERROR: サイズの違うデータを扱おうとしました。");
    EXPECT_EQ(result.err.find(box + "\n"), 0u) << result.err;
    EXPECT_NE(result.err.find("SCENE_B4.DAT (160 bytes, 6 x 4)"), std::string::npos) << result.err;
    EXPECT_FALSE(exists("OUT.BMP"));
}

TEST_F(CliExportTest, FailuresExitWithOneNamingTheFileAndTheReason) {
    dir_.writeFile(
        "SCENE03.LAB",
        test::labelText({{"Satellite : SAT1", "Sensor : OPT", "Logical Format : FAST"}}));
    dir_.writeFile("SCENE03/L7A_HRF.FST", test::fastHeader("65536 ", "65536 "));
    dir_.writeFile("SCENE03/SCENE_B10.FST", "too large to load");
    const struct {
        const char* name;
        Strings words;  // label, output file, band choice
        const char* namedFile;
        const char* reason;
    } cases[] = {
        {"unknown name",
         {"SCENE01.LAB", "OUT.BMP", "--band", "NOPE"},
         "SCENE01.LAB",
         "no band \"NOPE\" among the product's 5 bands"},
        {"number 0", {"SCENE01.LAB", "OUT.BMP", "--band", "0"}, "SCENE01.LAB", "no band \"0\""},
        {"number past the last",
         {"SCENE01.LAB", "OUT.BMP", "--rgb", "1,2,6"},
         "SCENE01.LAB",
         "no band \"6\""},
        {"label missing",
         {"MISSING.LAB", "OUT.BMP", "--band", "1"},
         "MISSING.LAB",
         "cannot examine the file"},
        {"band too large to load",
         {"SCENE03.LAB", "OUT.BMP", "--band", "1"},
         "SCENE03/SCENE_B10.FST",
         "cannot load the band file"},
        {"output folder missing",
         {"SCENE01.LAB", "NO_FOLDER/OUT.BMP", "--band", "1"},
         "NO_FOLDER/OUT.BMP",
         "cannot create the file: its folder does not exist"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CliResult result =
            exportTo(c.words[0], c.words[1], Strings(c.words.begin() + 2, c.words.end()));
        EXPECT_EQ(result.status, cli::kExitFailure);
        // A path given is printed as given; one the tool found, as this system spells it.
        const bool given = std::find(c.words.begin(), c.words.end(), c.namedFile) != c.words.end();
        const std::string file =
            given ? dir_.path(c.namedFile) : platform::consolePath(dir_.path(c.namedFile));
        const std::string message = "quillmere-cli: " + file + ": " + c.reason;
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
        EXPECT_FALSE(exists(c.words[1]));
    }
}

// The new file replaces the old one only when it is whole: a disk that fills up
// midway leaves the old picture and no temporary file.
TEST_F(CliExportTest, AFullDiskKeepsTheOldFileAndLeavesNothingBehind) {
    for (const char* name : {"OUT.BMP", "OUT.PNG"}) {
        SCOPED_TRACE(name);
        dir_.writeFile(name, "old picture");
        const auto before = std::distance(std::filesystem::directory_iterator(dir_.native()),
                                          std::filesystem::directory_iterator());
        CliResult result;
        {
            const test::ScopedWriteFault fault(
                platform::WriteFault{platform::WriteFailure::DiskFull, 40});
            result = exportTo("SCENE01.LAB", name, {"--rgb", "1,2,3"});
        }
        EXPECT_EQ(result.status, cli::kExitFailure);
        EXPECT_EQ(result.err, "quillmere-cli: " + dir_.path(name) +
                                  ": cannot write the file: the disk is full\n");
        const Bytes kept = bitmap(name).bytes();
        EXPECT_EQ(std::string(kept.begin(), kept.end()), "old picture");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.native()),
                                std::filesystem::directory_iterator()),
                  before);
    }
}

// However the name is spelled, the label, a band file and the configuration in use
// stay as they are.
TEST_F(CliExportTest, ExportOntoAFileOfTheProductIsRefused) {
    for (const char* file : {"SCENE01/SCENE_B2.DAT", "SCENE01/../SCENE01.LAB", "QMDATA.INI"}) {
        SCOPED_TRACE(file);
        const Bytes before = bitmap(file).bytes();
        const CliResult result = exportTo("SCENE01.LAB", file, {"--band", "1"});
        EXPECT_EQ(result.status, cli::kExitFailure);
        EXPECT_EQ(result.err, "quillmere-cli: " + dir_.path(file) +
                                  ": refusing to write over a file of the product being "
                                  "exported\n");
        EXPECT_EQ(bitmap(file).bytes(), before);
    }
}

// Folders named in Japanese, as the shell gives them (UTF-8 on POSIX, the program's
// code page on Windows): every product is written, and each line names the label
// and the file exactly as the command line spelled them.
TEST_F(CliExportTest, BatchExportBetweenJapaneseFoldersPrintsThePathsAsGiven) {
    namespace fs = std::filesystem;
    const fs::path from = dir_.native() / fs::path(u8"入力");
    const fs::path to = dir_.native() / fs::path(u8"出力");
#ifdef _WIN32
    const std::string root = dir_.native().string() + "\\";
    const std::string given[] = {root + "\x93\xFC\x97\xCD\\", root + "\x8F\x6F\x97\xCD\\"};
#else
    const std::string root = dir_.native().string() + "/";
    const std::string given[] = {root + utf8(u8"入力/"), root + utf8(u8"出力/")};
#endif
    fs::create_directory(from);
    fs::create_directory(to);
    for (const char* part : {"SCENE01.LAB", "SCENE01", "SCENE02.LAB", "SCENE02"})
        fs::copy(dir_.native(part), from / part, fs::copy_options::recursive);
    const std::string first = given[0] + "SCENE01.LAB";
    const std::string second = given[0] + "SCENE02.LAB";
    const std::string folder = given[1];

    const CliResult result = runCli({"export", first, second, "-o", folder, "--config",
                                     dir_.native("QMDATA.INI").string(), "--band", "1"});
    ASSERT_EQ(result.status, cli::kExitSuccess) << result.err;
    EXPECT_EQ(result.out, first + ": wrote " + folder + "SCENE01.bmp\n" + second + ": wrote " +
                              folder + "SCENE02.bmp\n");
    EXPECT_EQ(Bitmap(to / "SCENE01.bmp").width(), kWidth);
    EXPECT_EQ(Bitmap(to / "SCENE02.bmp").width(), kWidth);
}

// A georeferenced picture gets its world file and auxiliary XML beside it, unless
// asked not to; the picture's own bytes are the same either way.
TEST_F(CliExportTest, GeoreferencedPicturesGetTheirSidecarsUnlessAskedNot) {
    sample::writeSampleProducts(dir_.native("SAMPLE"), {7, 20, 10});
    const std::string config = executableFilePath("sample-QMDATA.INI");
    const std::string label = dir_.path("SAMPLE/SYN7FAST.LAB");
    for (const bool sidecars : {true, false}) {
        SCOPED_TRACE(sidecars);
        const std::string name = sidecars ? "GEO.png" : "PLAIN.png";
        Strings arguments = {"export",   label,  "-o",    dir_.path(name),
                             "--config", config, "--rgb", "3,2,1"};
        if (!sidecars)
            arguments.push_back("--no-world-file");
        const CliResult result = runCli(arguments);
        ASSERT_EQ(result.status, cli::kExitSuccess) << result.err;
        EXPECT_EQ(exists(sidecars ? "GEO.pgw" : "PLAIN.pgw"), sidecars);
        EXPECT_EQ(exists(name + ".aux.xml"), sidecars);
    }
    EXPECT_EQ(bitmap("GEO.png").bytes(), bitmap("PLAIN.png").bytes());
    // 20 x 10 pixels of 30 m around the centre (291614, 3921153): the upper left
    // pixel's centre lies 285 m west and 135 m north of it.
    const Bytes world = bitmap("GEO.pgw").bytes();
    EXPECT_EQ(std::string(world.begin(), world.end()), "30\n0\n0\n-30\n291329\n3921288\n");
}

TEST_F(CliExportTest, UsageErrorsExitWithTwo) {
    const struct {
        Strings words;
        const char* reason;
    } cases[] = {
        {{}, "no label file"},
        {{"L.LAB"}, "no output file"},
        {{"L.LAB", "-o", "O.BMP"}, "no band chosen"},
        {{"L.LAB", "-o"}, "-o needs a value"},
        {{"L.LAB", "-o", "O.BMP", "--band", "1", "--rgb", "1,2,3"}, "choose the bands once"},
        {{"L.LAB", "-o", "O.BMP", "--band", "-"}, "--band needs a band"},
        {{"L.LAB", "-o", "O.BMP", "--rgb", "1,2"}, "--rgb needs three bands"},
        {{"L.LAB", "-o", "O.BMP", "--rgb", "1,,3"}, "--rgb needs three bands"},
        {{"L.LAB", "-o", "O.BMP", "--rgb", "-,-,-"}, "--rgb needs at least one band"},
        {{"L.LAB", "-o", "O.BMP", "--band", "1", "--levels", "1:2,3:4,5:6"}, "one pair"},
        {{"L.LAB", "-o", "O.BMP", "--rgb", "1,2,3", "--levels", "1:2"}, "three pairs"},
        {{"L.LAB", "-o", "O.BMP", "--band", "1", "--levels", "50-150"}, "pairs L:H"},
        {{"L.LAB", "-o", "O.BMP", "--band", "1", "--levels", "0:2147483648"}, "pairs L:H"},
        {{"L.LAB", "-o", "O.BMP", "--band", "1", "--levels", "0:255", "--auto-true-colour"},
         "exclude each other"},
        {{"L.LAB", "-o", "O.BMP", "--band", "1", "--zoom"}, "unknown option --zoom"},
        {{"L.LAB", "M.LAB", "-o", "O.BMP", "--band", "1"}, "more than one label file"},
        {{"L.LAB", "M.LAB", "-o", "O.BMP", "--band", "1"}, "give -o a folder (DIR/)"},
        {{"L.LAB", "-o", "O.BMP", "--band", "1", "--auto-clip", "50"}, "0 < P < 50"},
        {{"L.LAB", "-o", "O.BMP", "--band", "1", "--auto-clip", "0"}, "0 < P < 50"},
        {{"L.LAB", "-o", "O.BMP", "--band", "1", "--auto-clip", "2%"}, "0 < P < 50"},
        {{"L.LAB", "-o", "O.BMP", "--band", "1", "--auto-clip", "2", "--levels", "0:9"},
         "--auto-clip excludes"},
        {{"L.LAB", "-o", "O.BMP", "--band", "1", "--auto-stddev", "0"}, "K > 0"},
        {{"L.LAB", "-o", "O.BMP", "--band", "1", "--auto-stddev", "-1"}, "K > 0"},
        {{"L.LAB", "-o", "O.BMP", "--band", "1", "--auto-stddev", "two"}, "K > 0"},
        {{"L.LAB", "-o", "O.BMP", "--band", "1", "--auto-stddev=inf"}, "K > 0"},
        {{"L.LAB", "-o", "O.BMP", "--band", "1", "--auto-stddev", "2", "--levels", "0:9"},
         "--auto-stddev excludes"},
        {{"L.LAB", "-o", "O.BMP", "--rgb", "1,2,3", "--auto-stddev", "2", "--auto-true-colour"},
         "--auto-stddev excludes"},
        {{"L.LAB", "-o", "O.BMP", "--band", "1", "--auto-clip", "2", "--auto-stddev", "2"},
         "--auto-stddev excludes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        Strings arguments = {"export"};
        arguments.insert(arguments.end(), c.words.begin(), c.words.end());
        const CliResult result = runCli(arguments);
        EXPECT_EQ(result.status, cli::kExitUsage);
        EXPECT_NE(result.err.find(c.reason), std::string::npos) << result.err;
        EXPECT_NE(result.err.find("quillmere-cli export LABEL -o OUT.BMP"), std::string::npos);
    }
}

TEST_F(CliExportTest, RelativePathsCountFromTheStartDirectory) {
    ASSERT_TRUE(platform::setCurrentDirectory(dir_.path()));
    const std::string here = platform::currentDirectory();

    const CliResult result =
        runCli({"export", "SCENE01.LAB", "-o", "OUT.BMP", "--config", "QMDATA.INI", "--band", "1"});
    ASSERT_EQ(result.status, cli::kExitSuccess) << result.err;
    EXPECT_EQ(platform::currentDirectory(), here);
    EXPECT_TRUE(exists("OUT.BMP"));
    EXPECT_FALSE(exists("SCENE01/OUT.BMP"));
}

TEST_F(CliExportTest, ProgressLineOnlyWhenAskedForAndWipedAtTheEnd) {
    Strings arguments = {"export",   dir_.path("SCENE01.LAB"), "-o",     dir_.path("OUT.BMP"),
                         "--config", dir_.path("QMDATA.INI"),  "--band", "1"};
    const CliResult quiet = runCli(arguments);
    ASSERT_EQ(quiet.status, cli::kExitSuccess);
    EXPECT_EQ(quiet.err, "");

    const CliResult shown = runCli(arguments, cli::Progress::Shown);
    ASSERT_EQ(shown.status, cli::kExitSuccess);
    EXPECT_NE(shown.err.find("writing " + dir_.path("OUT.BMP")), std::string::npos);
    EXPECT_EQ(shown.err.find('\n'), std::string::npos);
    ASSERT_FALSE(shown.err.empty());
    EXPECT_EQ(shown.err.back(), '\r');
    // What is left on the line after the last carriage return but one is blank.
    const std::size_t wipe = shown.err.rfind('\r', shown.err.size() - 2);
    EXPECT_EQ(shown.err.find_first_not_of(' ', wipe + 1), shown.err.size() - 1);
}

}  // namespace
}  // namespace qm
