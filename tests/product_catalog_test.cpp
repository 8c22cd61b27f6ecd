// The product configuration, band discovery and the fast-format header.
#include "product/product_catalog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "paths/paths.h"
#include "platform/platform.h"
#include "tests/support/temp_dir.h"

namespace qm {
namespace {

constexpr char kConfiguration[] =
    "[Logical Format]\nREC=1\nFAST=2\nODD=7\nREC_ANY=1\nLONG=1\n"
    "[FileNameMask]\nREC=*.DAT\nFAST=*_B*.FST\nODD=*\n";

// A record-format band file of 300 bytes stating its record length: by default
// three 100-byte records, no framing.
std::string recordBand(unsigned char recordLength = 100) {
    std::string bytes(300, '\0');
    bytes[11] = static_cast<char>(recordLength);
    return bytes;
}

// A fast-format header text whose numbers stand at offsets 842 and 864 once each
// CR LF counts as one character; written with CR LF line ends.
std::string fastHeader(std::string_view pixels, std::string_view lines, std::size_t length = 900) {
    std::string text(length, 'h');
    for (std::size_t i = 39; i < length; i += 40)
        text[i] = '\n';
    text.replace(842, pixels.size(), pixels);
    text.replace(864, lines.size(), lines);
    std::string withCrLf;
    for (char c : text)
        withCrLf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return withCrLf;
}

class ProductCatalogTest : public testing::Test {
  protected:
    void SetUp() override {
        startDirectory_ = platform::currentDirectory();
        dir_.writeFile("QMDATA.INI", kConfiguration);
    }

    std::string labelPath() const { return dir_.path("SCENE01.LAB"); }
    std::string productDirectory() const { return dir_.path() + "SCENE01\\"; }
    void writeBand(const std::string& name, const std::string& bytes) const {
        dir_.writeFile("SCENE01/" + name, bytes);
    }

    // reset, readConfiguration and discoverBands, as the open command runs them.
    bool open(const char* logicalFormat) {
        EXPECT_TRUE(catalog_.reset(labelPath()));
        catalog_.readConfiguration("SAT1", "OPT", logicalFormat);
        return catalog_.discoverBands();
    }

    std::vector<std::string> bandNames() const {
        std::vector<std::string> names;
        for (int i = 0; i < catalog_.bandCount(); ++i)
            names.push_back(catalog_.band(i)->bandName());
        return names;
    }

    test::TempDir dir_;
    ProductCatalog catalog_{dir_.path("QMDATA.INI")};
    std::string startDirectory_;
};

TEST_F(ProductCatalogTest, ConfigurationGivesFormatCodeAndMask) {
    dir_.writeFile("QMDATA.INI", std::string(kConfiguration) + "LONG=" + std::string(300, 'm'));
    const struct {
        const char* logicalFormat;
        int formatCode;
        std::string mask;
    } cases[] = {
        {"REC", 1, "*.DAT"}, {"fast", 2, "*_B*.FST"},
        {"REC_ANY", 1, "*"}, {"LONG", 1, std::string(259, 'm')},
        {"UNKNOWN", 0, "*"}, {nullptr, 0, "*"},  // no logical format in the label
    };
    for (const auto& c : cases) {
        catalog_.readConfiguration("SAT1", "OPT", c.logicalFormat);
        EXPECT_EQ(catalog_.formatCode(), c.formatCode);
        EXPECT_EQ(catalog_.fileNameMask(), c.mask);
    }
    EXPECT_STREQ(catalog_.logicalFormat(), "");  // null is kept as empty
}

TEST_F(ProductCatalogTest, DiscoversMatchingBandsInNameOrder) {
    for (const char* name : {"b10.DAT", "Alpha.DAT", "B2.DAT", "gamma.dat"}) {
        writeBand(name, recordBand());
    }
    writeBand("README.TXT", "not a band");

    EXPECT_TRUE(open("REC"));
    EXPECT_EQ(bandNames(),
              (std::vector<std::string>{"Alpha.DAT", "b10.DAT", "B2.DAT", "gamma.dat"}));
    EXPECT_EQ(catalog_.band(1)->path(), productDirectory() + "b10.DAT");
    EXPECT_EQ(catalog_.band(-1), nullptr);
    EXPECT_EQ(catalog_.band(catalog_.bandCount()), nullptr);
}

TEST_F(ProductCatalogTest, DefaultMaskOffersSubDirectoriesAsBands) {
    writeBand("A.DAT", recordBand());
    dir_.makeDir("SCENE01/B");
    writeBand("C.DAT", recordBand());

    EXPECT_FALSE(open("REC_ANY"));
    EXPECT_EQ(bandNames(), std::vector<std::string>{"A.DAT"});
}

TEST_F(ProductCatalogTest, UnusableBandEndsDiscoveryKeepingEarlierBands) {
    writeBand("A.DAT", recordBand());
    writeBand("B.DAT", recordBand(0));
    writeBand("C.DAT", recordBand());

    EXPECT_FALSE(open("REC"));
    EXPECT_EQ(bandNames(), std::vector<std::string>{"A.DAT"});
}

// A band file without a line or a pixel is still a band, so the bands after it
// are found too.
TEST_F(ProductCatalogTest, BandsWithoutLinesOrPixelsHideNoLaterBand) {
    writeBand("A.DAT", recordBand());
    writeBand("B.DAT", recordBand().substr(0, 100));
    writeBand("C.DAT", recordBand(12));
    writeBand("D.DAT", recordBand(5));
    writeBand("E.DAT", recordBand());

    EXPECT_TRUE(open("REC"));
    ASSERT_EQ(bandNames(), (std::vector<std::string>{"A.DAT", "B.DAT", "C.DAT", "D.DAT", "E.DAT"}));
    EXPECT_EQ(catalog_.band(1)->lineCount(), 0);
    EXPECT_EQ(catalog_.band(2)->pixelsPerLine(), 0);
    EXPECT_EQ(catalog_.band(3)->pixelsPerLine(), -7);
}

TEST_F(ProductCatalogTest, StopsAtFiftyBands) {
    for (int i = 0; i < 60; ++i) {
        writeBand("B" + std::to_string(100 + i) + ".DAT", recordBand());
    }
    EXPECT_FALSE(open("REC"));
    ASSERT_EQ(catalog_.bandCount(), ProductCatalog::kMaxBands);
    EXPECT_EQ(catalog_.band(49)->bandName(), "B149.DAT");
}

// Every way discovery stops is recorded with what the user needs to act on it; the
// current directory is never changed.
TEST_F(ProductCatalogTest, OutcomeSaysWhereDiscoveryStoppedAndWithWhichFile) {
    const struct {
        const char* name;
        std::function<void(const test::TempDir&)> prepare;
        const char* label;
        const char* logicalFormat;
        DiscoveryStop stop;
        const char* file;  // in the product folder
        BandRefusal refusal;
    } cases[] = {
        {"bands found", {}, "SCENE01.LAB", "REC", DiscoveryStop::Completed, "", {}},
        {"no logical format", {}, "SCENE01.LAB", nullptr, DiscoveryStop::NoLogicalFormat, "", {}},
        {"unknown logical format",
         {},
         "SCENE01.LAB",
         "UNKNOWN",
         DiscoveryStop::UnknownLogicalFormat,
         "",
         {}},
        {"configuration missing",
         [](const test::TempDir& dir) { std::filesystem::remove(dir.native("QMDATA.INI")); },
         "SCENE01.LAB",
         "REC",
         DiscoveryStop::ConfigurationMissing,
         "",
         {}},
        {"no '.' for a product folder",
         {},
         "SCENE01",
         "REC",
         DiscoveryStop::NoProductFolder,
         "",
         {}},
        {"product folder missing",
         {},
         "SCENE02.LAB",
         "REC",
         DiscoveryStop::ProductFolderMissing,
         "",
         {}},
        {"nothing matches", {}, "SCENE01.LAB", "FAST", DiscoveryStop::NoMatchingFile, "", {}},
        {"no header",
         [](const test::TempDir& dir) { dir.writeFile("SCENE01/S_B10.FST", ""); },
         "SCENE01.LAB",
         "FAST",
         DiscoveryStop::NoFastFormatHeader,
         "",
         {}},
        {"header too short",
         [](const test::TempDir& dir) {
             dir.writeFile("SCENE01/S_B10.FST", "");
             dir.writeFile("SCENE01/L7A_HRF.FST", "short");
         },
         "SCENE01.LAB",
         "FAST",
         DiscoveryStop::HeaderUnreadable,
         "L7A_HRF.FST",
         {}},
        {"format code 7",
         {},
         "SCENE01.LAB",
         "ODD",
         DiscoveryStop::BandRefused,
         "A.DAT",
         BandRefusal::UnknownFormat},
        {"first file no band",
         [](const test::TempDir& dir) { dir.writeFile("SCENE01/0.DAT", "tiny"); }, "SCENE01.LAB",
         "REC", DiscoveryStop::BandRefused, "0.DAT", BandRefusal::TooShort},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        dir.writeFile("QMDATA.INI", kConfiguration);
        dir.writeFile("SCENE01/A.DAT", recordBand());
        if (c.prepare)
            c.prepare(dir);
        ProductCatalog catalog(dir.path("QMDATA.INI"));
        ASSERT_TRUE(catalog.reset(dir.path(c.label)));
        catalog.readConfiguration("SAT1", "OPT", c.logicalFormat);
        EXPECT_EQ(catalog.discoverBands(), c.stop == DiscoveryStop::Completed);
        EXPECT_EQ(catalog.outcome().stop, c.stop);
        EXPECT_EQ(catalog.outcome().file, *c.file ? dir.path("SCENE01/") + c.file : "");
        if (c.stop == DiscoveryStop::BandRefused) {
            EXPECT_EQ(catalog.outcome().refusal, c.refusal);
        }
        EXPECT_EQ(platform::currentDirectory(), startDirectory_);
    }
}

TEST_F(ProductCatalogTest, MaskIsConfiguredOnlyWhenTheSectionHasTheFormat) {
    catalog_.readConfiguration("SAT1", "OPT", "REC");
    EXPECT_TRUE(catalog_.fileNameMaskConfigured());
    catalog_.readConfiguration("SAT1", "OPT", "REC_ANY");
    EXPECT_FALSE(catalog_.fileNameMaskConfigured());
    EXPECT_EQ(catalog_.fileNameMask(), "*");
}

// The label, the header, every band file and the configuration belong to the
// product, however their paths are spelled.
TEST_F(ProductCatalogTest, HoldsTheFilesOfTheOpenProduct) {
    writeBand("L7A_HRF.FST", fastHeader("4 ", "2 "));
    writeBand("SCENE_B10.FST", "");
    writeBand("SCENE_B20.FST", "");
    dir_.writeFile("SCENE01.LAB", "label");
    dir_.writeFile("OTHER.BMP", "");
    ASSERT_TRUE(open("FAST"));
    for (const char* file : {"SCENE01.LAB", "QMDATA.INI", "SCENE01/L7A_HRF.FST",
                             "SCENE01/SCENE_B20.FST", "SCENE01/../SCENE01/SCENE_B10.FST"})
        EXPECT_TRUE(catalog_.holdsFile(dir_.path(file))) << file;
#ifdef _WIN32
    EXPECT_TRUE(catalog_.holdsFile(dir_.path("scene01/scene_b10.fst")));
#endif
    EXPECT_FALSE(catalog_.holdsFile(dir_.path("OTHER.BMP")));
    EXPECT_FALSE(catalog_.holdsFile(dir_.path("SCENE01/NEW.BMP")));
}

TEST_F(ProductCatalogTest, BandPathTooLongForAPathBufferIsNotCreated) {
    writeBand("A.DAT", recordBand());
    const std::size_t nameLength = platform::kMaxPath + 2 - productDirectory().size();
    if (nameLength > 255)
        GTEST_SKIP() << "temporary folder path too short for this case";
    try {
        writeBand("B" + std::string(nameLength - 5, 'x') + ".DAT", recordBand());
    } catch (const std::runtime_error&) {
        GTEST_SKIP() << "the file system refuses a path this long";
    }
    EXPECT_FALSE(open("REC"));
    EXPECT_EQ(bandNames(), std::vector<std::string>{"A.DAT"});
}

TEST_F(ProductCatalogTest, ResetWithAnEmptyPathKeepsTheProduct) {
    writeBand("A.DAT", recordBand());
    ASSERT_TRUE(open("REC"));

    EXPECT_FALSE(catalog_.reset(""));
    EXPECT_EQ(catalog_.bandCount(), 1);
    EXPECT_EQ(catalog_.labelPath(), labelPath());

    EXPECT_TRUE(catalog_.reset(dir_.path("OTHER.LAB")));
    EXPECT_EQ(catalog_.bandCount(), 0);
    EXPECT_EQ(catalog_.formatCode(), 0);
}

TEST_F(ProductCatalogTest, FastFormatBandsTakeTheHeaderNumbers) {
    writeBand("L7A_HRF.FST", fastHeader("512 ", "480 "));
    writeBand("SCENE_B10.FST", "");
    writeBand("SCENE_B80.FST", "");

    EXPECT_TRUE(open("FAST"));
    ASSERT_EQ(catalog_.bandCount(), 2);
    const BandImage& band10 = *catalog_.band(0);
    EXPECT_EQ(band10.recordLength(), 512);
    EXPECT_EQ(band10.lineCount(), 480);
    EXPECT_EQ(band10.pixelsPerLine(), 512);
    const BandImage& band80 = *catalog_.band(1);
    EXPECT_EQ(band80.recordLength(), 1024);
    EXPECT_EQ(band80.lineCount(), 960);
    EXPECT_EQ(band80.pixelsPerLine(), 512);
}

TEST_F(ProductCatalogTest, FastFormatHeaderThatCannotServeMakesNoBand) {
    const struct {
        const char* name;
        const char* headerFile;
        std::string header;
    } cases[] = {
        {"no header file", "L7A_HRF.TXT", fastHeader("512", "480")},
        {"text ends before offset 864", "L7A_HRF.FST", fastHeader("512", "", 864)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dir_.writeFile("SCENE01/SCENE_B10.FST", "");
        std::filesystem::remove(dir_.native("SCENE01/L7A_HRF.FST"));
        dir_.writeFile(std::string("SCENE01/") + c.headerFile, c.header);
        EXPECT_FALSE(open("FAST"));
        EXPECT_EQ(catalog_.bandCount(), 0);
    }
}

// Numbers that leave no picture still make bands: each is listed, and loading it
// fails later.
TEST_F(ProductCatalogTest, FastHeaderNumbersWithoutAPictureStillMakeBands) {
    const struct {
        const char* name;
        std::string header;
        int pixels;
        int lines;
    } cases[] = {
        {"no digits for the pixels", fastHeader("x512", "480"), 0, 480},
        {"no lines", fastHeader("512", "0"), 512, 0},
        {"negative line count", fastHeader("512", "-480"), 512, -480},
    };
    writeBand("SCENE_B10.FST", "");
    writeBand("SCENE_B20.FST", "");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeBand("L7A_HRF.FST", c.header);
        EXPECT_TRUE(open("FAST"));
        ASSERT_EQ(catalog_.bandCount(), 2);
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(catalog_.band(i)->pixelsPerLine(), c.pixels);
            EXPECT_EQ(catalog_.band(i)->lineCount(), c.lines);
        }
    }
}

}  // namespace
}  // namespace qm
