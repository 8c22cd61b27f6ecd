// quillmere-cli info, run in-process on small products built in temporary folders.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "tests/support/cli_run.h"
#include "tests/support/product_files.h"
#include "tests/support/temp_dir.h"
#include "tools/cli/command_line.h"

namespace qm {
namespace {

using nlohmann::json;
using test::fastHeader;
using test::labelText;
using test::RecordBand;
using Strings = std::vector<std::string>;
using test::CliResult;
using test::runCli;

// Expected UTF-8 texts: literals here are compiled to code page 932, u8 ones are not.
std::string utf8(std::u8string_view text) {
    return std::string(text.begin(), text.end());
}

// The bands' display names are Shift-JIS in the configuration file too.
constexpr char kConfiguration[] =
    "[Logical Format]\r\nREC=1\r\nFAST=2\r\n"
    "[FileNameMask]\r\nREC=*.DAT\r\nFAST=*_B*.FST\r\n"
    "[SAT1OPT]\r\nBAND1=表示用バンド\r\n"
    "PrefixPos=20\r\nPrefixSize=4\r\nSuffixPos=24\r\nSuffixSize=4\r\n"
    "LeftFillPos=16\r\nLeftFillSize=2\r\nRightFillPos=18\r\nRightFillSize=2\r\n";

class CliInfoTest : public testing::Test {
  protected:
    void SetUp() override {
        startDirectory_ = platform::currentDirectory();
        dir_.writeFile("QMDATA.INI", kConfiguration);
    }
    void TearDown() override { platform::setCurrentDirectory(startDirectory_); }

    // "info LABEL --config QMDATA.INI --json" on a label in the temporary folder.
    CliResult infoJson(std::string_view labelName) const {
        return runCli(
            {"info", dir_.path(labelName), "--config", dir_.path("QMDATA.INI"), "--json"});
    }

    // The record-format product SCENE01: its label lists "Satellite" last and a
    // Japanese station name; band 1 has the worked example's framing.
    void writeRecordProduct() const {
        dir_.writeFile(
            "SCENE01.LAB",
            labelText({{"Product ID : P-001", "Sensor : OPT", "Station : 観測センター表"},
                       {"Logical Format : REC", "Satellite : SAT1"}}));
        dir_.writeFile("SCENE01/SCENE_B1.DAT",
                       RecordBand{800, 11, " 180", "   0", {10, 30}, {12, 25}}.bytes());
        dir_.writeFile("SCENE01/SCENE_B2.DAT",
                       RecordBand{400, 5, "  40", "   7", {3, 9}, {5, 2}}.bytes());
        dir_.writeFile("SCENE01/README.TXT", "not a band");
    }

    // A band file of SCENE01 as the JSON report spells it.
    std::string bandPath(std::string_view name) const {
        return platform::utf8Path(dir_.path() + "SCENE01\\" + std::string(name));
    }

    test::TempDir dir_;
    std::string startDirectory_;
};

TEST_F(CliInfoTest, RecordProductAsOneJsonObject) {
    writeRecordProduct();
    const CliResult result = infoJson("SCENE01.LAB");
    ASSERT_EQ(result.status, cli::kExitBandsFound) << result.err;
    EXPECT_EQ(result.err, "");

    const json report = json::parse(result.out);  // throws unless exactly one JSON value
    Strings keys;
    for (const auto& item : report.items())
        keys.push_back(item.key());
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, (Strings{"bands", "discovered", "fileNameMask", "formatCode", "label",
                             "logicalFormat", "parseResult", "satellite", "sensor"}));

    EXPECT_EQ(report["parseResult"], 0);
    // List order, not file order: the known keys lead.
    EXPECT_EQ(report["label"], json::parse(utf8(u8R"([
        {"name": "Satellite", "value": "SAT1"}, {"name": "Sensor", "value": "OPT"},
        {"name": "Logical Format", "value": "REC"}, {"name": "Product ID", "value": "P-001"},
        {"name": "Station", "value": "観測センター表"}])")));
    EXPECT_EQ(report["satellite"], "SAT1");
    EXPECT_EQ(report["sensor"], "OPT");
    EXPECT_EQ(report["logicalFormat"], "REC");
    EXPECT_EQ(report["formatCode"], 1);
    EXPECT_EQ(report["fileNameMask"], "*.DAT");
    EXPECT_EQ(report["discovered"], true);

    const json expectedBands = {
        {{"index", 0},
         {"name", utf8(u8"表示用バンド")},
         {"path", bandPath("SCENE_B1.DAT")},
         {"fileSize", 8800},
         {"recordLength", 800},
         {"lineCount", 10},
         {"pixelsPerLine", 573},
         {"firstPixelOffset", 202},
         {"trailingBytes", 25},
         {"prefixBytes", 180},
         {"suffixBytes", 0},
         {"leftFillBytes", 10},
         {"rightFillBytes", 25}},
        {{"index", 1},
         {"name", "SCENE_B2.DAT"},
         {"path", bandPath("SCENE_B2.DAT")},
         {"fileSize", 2000},
         {"recordLength", 400},
         {"lineCount", 4},
         {"pixelsPerLine", 336},
         {"firstPixelOffset", 55},
         {"trailingBytes", 9},
         {"prefixBytes", 40},
         {"suffixBytes", 7},
         {"leftFillBytes", 3},
         {"rightFillBytes", 2}},
    };
    EXPECT_EQ(report["bands"], expectedBands);
}

TEST_F(CliInfoTest, FastProductTakesTheHeaderNumbers) {
    dir_.writeFile("SCENE02.LAB",
                   labelText({{"Satellite : SAT1", "Sensor : OPT", "Logical Format : FAST"}}));
    dir_.writeFile("SCENE02/L7A_HRF.FST", fastHeader("512 ", "480 "));
    dir_.writeFile("SCENE02/SCENE_B10.FST", std::string(100, 'p'));
    dir_.writeFile("SCENE02/SCENE_B80.FST", "");

    const CliResult result = infoJson("SCENE02.LAB");
    ASSERT_EQ(result.status, cli::kExitBandsFound) << result.err;
    const json report = json::parse(result.out);
    EXPECT_EQ(report["formatCode"], 2);
    EXPECT_EQ(report["fileNameMask"], "*_B*.FST");
    EXPECT_EQ(report["discovered"], true);

    const json zeroFraming = {{"firstPixelOffset", 0}, {"trailingBytes", 0}, {"prefixBytes", 0},
                              {"suffixBytes", 0},      {"leftFillBytes", 0}, {"rightFillBytes", 0}};
    json band10 = {{"index", 0},
                   {"name", "SCENE_B10.FST"},
                   {"path", platform::utf8Path(dir_.path() + "SCENE02\\SCENE_B10.FST")},
                   {"fileSize", 100},
                   {"recordLength", 512},
                   {"lineCount", 480},
                   {"pixelsPerLine", 512}};
    json band80 = {{"index", 1},
                   {"name", "SCENE_B80.FST"},
                   {"path", platform::utf8Path(dir_.path() + "SCENE02\\SCENE_B80.FST")},
                   {"fileSize", 0},
                   {"recordLength", 1024},
                   {"lineCount", 960},
                   {"pixelsPerLine", 512}};
    band10.update(zeroFraming);
    band80.update(zeroFraming);
    EXPECT_EQ(report["bands"], json::array({band10, band80}));
}

// The reason names what to change: the logical format and the configuration file.
TEST_F(CliInfoTest, ProductWithoutBandsExitsWithOneSayingWhy) {
    writeRecordProduct();
    const std::string other = dir_.writeFile("OTHER.INI", "[Logical Format]\r\nFAST=2\r\n");
    const struct {
        const char* name;
        std::string config;
        std::string reason;
    } cases[] = {
        {"logical format not configured", other,
         "the logical format \"REC\" has no entry in [Logical Format] of " +
             platform::consolePath(other)},
        {"configuration file missing", dir_.path("MISSING.INI"),
         "the configuration file " + platform::consolePath(dir_.path("MISSING.INI")) +
             " is missing"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CliResult result =
            runCli({"info", dir_.path("SCENE01.LAB"), "--json", "--config", c.config});
        EXPECT_EQ(result.status, cli::kExitNoBand);
        EXPECT_EQ(result.err.find("quillmere-cli: " + dir_.path("SCENE01.LAB") + ": " + c.reason),
                  0u)
            << result.err;
        const json report = json::parse(result.out);
        EXPECT_EQ(report["satellite"], "SAT1");
        EXPECT_EQ(report["formatCode"], 0);
        EXPECT_EQ(report["fileNameMask"], "*");
        EXPECT_EQ(report["discovered"], false);
        EXPECT_EQ(report["bands"], json::array());
    }
}

TEST_F(CliInfoTest, UnreadableLabelExitsWithOneNamingTheFileAndTheReason) {
    dir_.writeFile("PLAIN.LAB", std::string(300, ' ') + "\r\nSatellite : SAT1");
    dir_.makeDir("FOLDER.LAB");
    const struct {
        const char* file;
        int parseResult;
        const char* reason;
    } cases[] = {
        {"MISSING.LAB", -1, "missing"},
        {"FOLDER.LAB", -3, "cannot open"},
        {"PLAIN.LAB", -4, "not a label file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const CliResult result = infoJson(c.file);
        EXPECT_EQ(result.status, cli::kExitNoBand);
        EXPECT_NE(result.err.find(dir_.path(c.file)), std::string::npos) << result.err;
        EXPECT_NE(result.err.find(c.reason), std::string::npos) << result.err;
        // The report still follows, as the viewer goes on with an empty label.
        const json report = json::parse(result.out);
        EXPECT_EQ(report["parseResult"], c.parseResult);
        EXPECT_EQ(report["label"], json::array());
        EXPECT_EQ(report["bands"], json::array());
    }
}

TEST_F(CliInfoTest, UsageErrorsExitWithTwo) {
    const struct {
        Strings arguments;
        const char* reason;
    } cases[] = {
        {{}, "no command"},
        {{"list", "A.LAB"}, "unknown command list"},
        {{"info"}, "no label file"},
        {{"info", "--json"}, "no label file"},
        {{"info", "A.LAB", "--config"}, "--config needs a file name"},
        {{"info", "A.LAB", "--verbose"}, "unknown option --verbose"},
        {{"info", "A.LAB", "B.LAB"}, "more than one label file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        const CliResult result = runCli(c.arguments);
        EXPECT_EQ(result.status, cli::kExitUsage);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find(c.reason), std::string::npos) << result.err;
        EXPECT_NE(result.err.find("usage: quillmere-cli info LABEL"), std::string::npos);
    }
}

TEST_F(CliInfoTest, HelpDescribesTheCommandAndExitsWithZero) {
    for (const Strings& arguments :
         {Strings{"--help"}, Strings{"-h"}, Strings{"info", "MISSING.LAB", "--help"}}) {
        SCOPED_TRACE(arguments.back());
        const CliResult result = runCli(arguments);
        EXPECT_EQ(result.status, cli::kExitSuccess);
        EXPECT_EQ(result.err, "");
        for (const char* topic :
             {"info LABEL", "--config FILE", "--json", "--stats", "QMDATA.INI", "pixelsPerLine",
              "modeBin", "exit status", "export LABEL -o OUT.BMP", "--band B", "--rgb R,G,B",
              "--levels L:H", "--auto-true-colour"}) {
            EXPECT_NE(result.out.find(topic), std::string::npos) << topic;
        }
    }
}

TEST_F(CliInfoTest, PlainTextIsInTheConsoleCodePage) {
    writeRecordProduct();
    const CliResult result =
        runCli({"info", dir_.path("SCENE01.LAB"), "--config", dir_.path("QMDATA.INI")});
    ASSERT_EQ(result.status, cli::kExitBandsFound) << result.err;
    EXPECT_FALSE(json::accept(result.out));
#ifdef _WIN32
    const std::string bandName = "表示用バンド";  // the console reads code page 932
#else
    const std::string bandName = utf8(u8"表示用バンド");
#endif
    const std::size_t satellite = result.out.find("\"Satellite\" : \"SAT1\"");
    const std::size_t productId = result.out.find("\"Product ID\" : \"P-001\"");
    ASSERT_NE(satellite, std::string::npos) << result.out;
    ASSERT_NE(productId, std::string::npos) << result.out;
    EXPECT_LT(satellite, productId);
    const Strings expected = {
        "Band 0  " + bandName, "Band 1  SCENE_B2.DAT", "pixels per line      573",
        "path                 " + platform::consolePath(dir_.path("SCENE01\\SCENE_B1.DAT")),
        "Format code          1 (record format)"};
    for (const std::string& line : expected) {
        EXPECT_NE(result.out.find(line), std::string::npos) << line << "\n" << result.out;
    }
}

// The 256 bins of a histogram table with the given ones set.
json histogramTable(const std::vector<std::pair<int, int>>& bins) {
    std::vector<int> table(256, 0);
    for (const auto& [value, count] : bins)
        table[static_cast<std::size_t>(value)] = count;
    return table;
}

// Band 2 of SCENE01 (records of 400 bytes, pixels at 55 to 390) with the pixels of
// image records 1 and 2 set to 200 and those of records 3 and 4 left 0.
std::string bandTwoWithPixels() {
    std::string file = RecordBand{400, 5, "  40", "   7", {3, 9}, {5, 2}}.bytes();
    for (std::size_t record : {1u, 2u})
        file.replace(record * 400 + 55, 336, std::string(336, static_cast<char>(200)));
    return file;
}

TEST_F(CliInfoTest, StatsAddEachBandsHistogram) {
    writeRecordProduct();
    dir_.writeFile("SCENE01/SCENE_B2.DAT", bandTwoWithPixels());
    const CliResult result = runCli({"info", dir_.path("SCENE01.LAB"), "--config",
                                     dir_.path("QMDATA.INI"), "--json", "--stats"});
    ASSERT_EQ(result.status, cli::kExitBandsFound) << result.err;
    const json report = json::parse(result.out);
    ASSERT_EQ(report["bands"].size(), 2u);

    // Band 1: every pixel 0, so value 1 is the mode of empty bins and the zeros' bar
    // is capped.
    const json& zeros = report["bands"][0];
    EXPECT_EQ(zeros["lineCount"], 10);
    EXPECT_EQ(zeros["loaded"], true);
    EXPECT_EQ(zeros["counts"], histogramTable({{0, 5730}}));
    EXPECT_EQ(zeros["mean"], 0);
    EXPECT_EQ(zeros["modeBin"], 1);
    EXPECT_EQ(zeros["deviation"], 0);
    EXPECT_EQ(zeros["heights"], histogramTable({{0, 255}}));

    // Band 2: half 0, half 200, 672 each; the divisor is 672 / 100 = 6.
    const json& halves = report["bands"][1];
    EXPECT_EQ(halves["loaded"], true);
    EXPECT_EQ(halves["counts"], histogramTable({{0, 672}, {200, 672}}));
    EXPECT_EQ(halves["mean"], 100);
    EXPECT_EQ(halves["modeBin"], 200);
    EXPECT_EQ(halves["deviation"], 70);
    EXPECT_EQ(halves["heights"], histogramTable({{0, 112}, {200, 112}}));
}

TEST_F(CliInfoTest, StatsOfFastBandsZeroWhatLiesBeforeTheFileAndNameBandsThatFail) {
    dir_.writeFile("SCENE02.LAB",
                   labelText({{"Satellite : SAT1", "Sensor : OPT", "Logical Format : FAST"}}));
    dir_.writeFile("SCENE02/L7A_HRF.FST", fastHeader("512 ", "480 "));
    dir_.writeFile("SCENE02/SCENE_B10.FST", std::string(100, 'p'));
    dir_.writeFile("SCENE03.LAB",
                   labelText({{"Satellite : SAT1", "Sensor : OPT", "Logical Format : FAST"}}));
    dir_.writeFile("SCENE03/L7A_HRF.FST", fastHeader("65536 ", "65536 "));
    dir_.writeFile("SCENE03/SCENE_B10.FST", std::string(100, 'p'));
    const auto stats = [this](std::string_view label) {
        return runCli(
            {"info", dir_.path(label), "--config", dir_.path("QMDATA.INI"), "--json", "--stats"});
    };

    // 480 lines of 512 from a 100-byte file: only the end of row 0 lies in it.
    const json loaded = json::parse(stats("SCENE02.LAB").out);
    ASSERT_EQ(loaded["bands"].size(), 1u);
    const json& band = loaded["bands"][0];
    EXPECT_EQ(band["loaded"], true);
    EXPECT_EQ(band["counts"], histogramTable({{0, 245660}, {'p', 100}}));
    EXPECT_EQ(band["mean"], 0);
    EXPECT_EQ(band["modeBin"], int{'p'});
    EXPECT_EQ(band["deviation"], 2);
    EXPECT_EQ(band["heights"], histogramTable({{0, 255}, {'p', 100}}));

    // 65536 x 65536 pixels do not fit a band's 32-bit pixel count.
    const CliResult tooLarge = stats("SCENE03.LAB");
    EXPECT_EQ(tooLarge.status, cli::kExitBandsFound);
    const json failed = json::parse(tooLarge.out)["bands"][0];
    EXPECT_EQ(failed["loaded"], false);
    EXPECT_EQ(failed["lineCount"], 65536);
    EXPECT_FALSE(failed.contains("counts"));

    const CliResult text =
        runCli({"info", dir_.path("SCENE03.LAB"), "--config", dir_.path("QMDATA.INI"), "--stats"});
    EXPECT_NE(text.out.find("not loaded"), std::string::npos) << text.out;
}

TEST_F(CliInfoTest, StatsInPlainTextListTablesSixteenValuesALine) {
    writeRecordProduct();
    dir_.writeFile("SCENE01/SCENE_B2.DAT", bandTwoWithPixels());
    const CliResult result =
        runCli({"info", dir_.path("SCENE01.LAB"), "--config", dir_.path("QMDATA.INI"), "--stats"});
    ASSERT_EQ(result.status, cli::kExitBandsFound) << result.err;
    const std::size_t bandTwo = result.out.find("Band 1  SCENE_B2.DAT");
    ASSERT_NE(bandTwo, std::string::npos) << result.out;
    const std::string block = result.out.substr(bandTwo);
    const Strings expected = {
        "  mean                 100\n",
        "  mode bin             200\n",
        "  deviation            70\n",
        "  counts\n      0: 672 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n     16: 0 0",
        "    192: 0 0 0 0 0 0 0 0 672 0 0 0 0 0 0 0\n",
        "  heights\n      0: 112 0",
        "    240: 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n",
    };
    for (const std::string& text : expected)
        EXPECT_NE(block.find(text), std::string::npos) << text << "\n" << block;
}

// A Landsat 7 scene without a label: its header is opened directly, and the report
// gives the header's facts, numbers as numbers.
TEST_F(CliInfoTest, BareHeaderReportsTheScenesFacts) {
    const std::string hrf = dir_.writeFile(
        "L71118038_03819991201_HRF.FST",
        test::landsatHeader(
            {"REQ ID =0119910170011_00001 LOC =118/0380000 ACQUISITION DATE =19991201",
             "SATELLITE =LANDSAT7  SENSOR =ETM+", "PIXELS PER LINE =4 LINES PER BAND =3",
             "FILENAME =L71118038_03819991201_B10.FST FILENAME =L71118038_03819991201_B20.FST"},
            {"GAINS AND BIASES IN ASCENDING BAND NUMBER ORDER", "-6.2 0.786", "-6.4 0.817"},
            {"GEOMETRIC DATA MAP PROJECTION =UTM  ELLIPSOID =WGS84  DATUM =WGS84",
             "USGS MAP ZONE =50", "UL =1200351.5338E 323017.9373N 225195.000 3608595.000",
             "SUN ELEVATION ANGLE =36.3 SUN AZIMUTH ANGLE =149.3"}));
    dir_.writeFile("L71118038_03819991201_B10.FST", std::string(12, 'p'));

    const CliResult result = runCli({"info", hrf, "--config", dir_.path("QMDATA.INI"), "--json"});
    ASSERT_EQ(result.status, cli::kExitBandsFound) << result.err;
    const json report = json::parse(result.out);
    ASSERT_EQ(report["bands"].size(), 1u);
    EXPECT_EQ(report["bands"][0]["name"], utf8(u8"バンド1"));
    EXPECT_EQ(report["bands"][0]["bias"], -6.2);
    const json& header = report["header"];
    EXPECT_EQ(header["satellite"], "LANDSAT7");
    EXPECT_EQ(header["path"], 118);
    EXPECT_EQ(header["row"], 38);
    EXPECT_EQ(header["acquisitionDate"], "1999-12-01");
    EXPECT_EQ(header["pixelsPerLine"], 4);
    EXPECT_EQ(header["mapZone"], 50);
    EXPECT_EQ(header["sunAzimuth"], 149.3);
    EXPECT_EQ(header["corners"]["upperLeft"]["easting"], 225195.0);
    EXPECT_EQ(header["bands"][1], json::parse(R"({"file": "L71118038_03819991201_B20.FST",
                                                   "bias": -6.4, "gain": 0.817})"));
    EXPECT_FALSE(header.contains("pixelSize"));  // absent, not 0
    EXPECT_EQ(report["missingFiles"], json::array({"L71118038_03819991201_B20.FST"}));

    const CliResult text = runCli({"info", hrf, "--config", dir_.path("QMDATA.INI")});
    for (const char* line :
         {"[Scene]", "  satellite : LANDSAT7", "  path/row : 118/038",
          "  acquisition date : 1999-12-01", "  zone : 50", "  sun azimuth (deg) : 149.3",
          "  missing : L71118038_03819991201_B20.FST", "  bias                 -6.2"})
        EXPECT_NE(text.out.find(line), std::string::npos) << line << "\n" << text.out;
}

TEST_F(CliInfoTest, RelativePathsCountFromTheStartDirectory) {
    writeRecordProduct();
    ASSERT_TRUE(platform::setCurrentDirectory(dir_.path()));
    const std::string here = platform::currentDirectory();

    const CliResult result = runCli({"info", "SCENE01.LAB", "--config", "QMDATA.INI", "--json"});
    EXPECT_EQ(platform::currentDirectory(), here);  // discovery searches by path

    ASSERT_EQ(result.status, cli::kExitBandsFound) << result.err;
    const json report = json::parse(result.out);
    ASSERT_EQ(report["bands"].size(), 2u);
    // The band name comes from the configuration file, given relative as well.
    EXPECT_EQ(report["bands"][0]["name"], utf8(u8"表示用バンド"));
    EXPECT_EQ(report["bands"][1]["path"], platform::utf8Path("SCENE01\\SCENE_B2.DAT"));
}

}  // namespace
}  // namespace qm
