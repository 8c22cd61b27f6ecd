// The open sequence both the viewer and the command-line tool run.
#include "product/open_product.h"

#include <gtest/gtest.h>

#include <string>

#include "paths/paths.h"
#include "platform/platform.h"
#include "tests/support/product_files.h"
#include "tests/support/temp_dir.h"

namespace qm {
namespace {

constexpr char kConfiguration[] = "[Logical Format]\nREC=1\n[FileNameMask]\nREC=*.DAT\n";

class OpenProductTest : public testing::Test {
  protected:
    void SetUp() override {
        dir_.writeFile("QMDATA.INI", kConfiguration);
        dir_.writeFile(
            "SCENE01.LAB",
            test::labelText({{"Satellite : SAT1", "Sensor : OPT", "Logical Format : REC"}}));
        const test::RecordBand band{400, 5, "   0", "   0", {0, 0}, {0, 0}};
        dir_.writeFile("SCENE01/SCENE_B1.DAT", band.bytes());
        dir_.writeFile("SCENE01/SCENE_B2.DAT", band.bytes());
        dir_.writeFile("PLAIN.LAB", std::string(300, ' '));
    }
    std::string configuration() const { return dir_.path("QMDATA.INI"); }

    test::TempDir dir_;
};

// The sequence goes on whatever the parse gives: a label that cannot be read still
// replaces the product before it, and opens with no bands.
TEST_F(OpenProductTest, EachOpenReplacesTheProductBeforeIt) {
    const struct {
        const char* label;
        LabelParseResult parseResult;
        bool discovered;
        int bands;
    } cases[] = {
        {"SCENE01.LAB", LabelParseResult::Ok, true, 2},
        {"PLAIN.LAB", LabelParseResult::MarkerMissing, false, 0},
        {"MISSING.LAB", LabelParseResult::SizeUnknown, false, 0},
    };
    LabelFile label;
    ProductCatalog catalog(configuration());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        // Each case starts from the two bands of SCENE01.
        readProductLabel(dir_.path("SCENE01.LAB"), label, catalog);
        ASSERT_TRUE(discoverProductBands(label, catalog));
        ASSERT_EQ(catalog.bandCount(), 2);

        EXPECT_EQ(readProductLabel(dir_.path(c.label), label, catalog), c.parseResult);
        EXPECT_EQ(catalog.labelPath(), dir_.path(c.label));
        EXPECT_EQ(catalog.bandCount(), 0);
        EXPECT_EQ(discoverProductBands(label, catalog), c.discovered);
        EXPECT_EQ(catalog.bandCount(), c.bands);
    }
}

// Discovery searches the product folder by its path: a label path relative to the
// current directory gives band paths relative to it, and the current directory
// stays where it was.
TEST_F(OpenProductTest, OpenedProductTakesItsBandsFromTheLabelsFormat) {
    const std::string start = platform::currentDirectory();
    ASSERT_TRUE(platform::setCurrentDirectory(dir_.path()));
    const std::string here = platform::currentDirectory();
    const OpenedProduct product("SCENE01.LAB", "QMDATA.INI");
    const bool stayed = platform::currentDirectory() == here;
    ASSERT_TRUE(platform::setCurrentDirectory(start));

    EXPECT_TRUE(product.labelRead());
    EXPECT_TRUE(product.discovered());
    EXPECT_STREQ(product.catalog().logicalFormat(), "REC");
    ASSERT_EQ(product.catalog().bandCount(), 2);
    EXPECT_EQ(product.catalog().band(1)->path(), "SCENE01\\SCENE_B2.DAT");
    EXPECT_TRUE(stayed);
}

}  // namespace
}  // namespace qm
