// Why an opened product has no band, filled into a front end's templates with the
// names the user needs: the label's reason first, then where discovery stopped,
// the refused file's own reason, and the missing mask when it explains the stop.
#include "product/no_band_reason.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "product/open_product.h"
#include "tests/support/product_files.h"
#include "tests/support/temp_dir.h"

namespace qm {
namespace {

// Each template names its case and shows what its placeholders gave.
const NoBandTemplates kTemplates = {
    .labelMissing = "label missing %l",
    .labelUnreadable = "label unreadable",
    .labelWithoutMarker = "no marker",
    .noLogicalFormat = "no format",
    .configurationMissing = "no configuration %c",
    .unknownLogicalFormat = "unknown %f in %c",
    .noProductFolder = "no folder name",
    .productFolderMissing = "folder missing %d",
    .noMatchingFile = "nothing in %d matches %m",
    .noFileNameMask = " + no mask for %f",
    .noFastFormatHeader = "no header in %d",
    .headerUnreadable = "bad header %h",
    .bandRefused = "%b refused: ",
    .sceneHeaderUnreadable = "bad scene header %h",
    .sceneFilesMissing = "no scene file in %d",
    .refusals = {"long", "code %k", "unreadable", "short", "no length", "[%s] too wide"},
};

// Paths become P(...), texts T(...), so each shows which spelling it took.
std::string spellPath(std::string_view path) {
    return "P(" + std::string(path) + ")";
}
std::string spellText(std::string_view text) {
    return text.empty() ? std::string() : "T(" + std::string(text) + ")";
}

std::string label(const char* logicalFormat) {
    return test::labelText(
        {{"Satellite : SAT1", "Sensor : OPT", std::string("Logical Format : ") + logicalFormat}});
}

TEST(NoBandReason, NamesTheCauseWithItsNames) {
    test::TempDir dir;
    const std::string config = dir.writeFile(
        "QMDATA.INI", "[Logical Format]\nREC=1\nANY=1\nODD=7\n[FileNameMask]\nREC=*.DAT\n");
    dir.writeFile("SCENE/README.TXT", "");
    const std::string folder = dir.path("SCENE\\");
    const struct {
        const char* name;
        std::string labelText;  // empty: no label file
        std::string reason;     // empty: the product has bands
    } cases[] = {
        {"label missing", "", "T(label missing )P(" + dir.path("SCENE.LAB") + ")"},
        {"unknown format", label("FAST"), "T(unknown )T(FAST)T( in )P(" + config + ")"},
        {"no name matches", label("REC"), "T(nothing in )P(" + folder + ")T( matches )T(*.DAT)"},
        {"no mask: every name tried", label("ANY"),
         "P(" + folder + "README.TXT)T( refused: )T(short)T( + no mask for )T(ANY)"},
        {"format code 7", label("ODD"),
         "P(" + folder + "README.TXT)T( refused: )T(code )7T( + no mask for )T(ODD)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.labelText.empty())
            dir.writeFile("SCENE.LAB", c.labelText);
        else
            std::filesystem::remove(dir.native("SCENE.LAB"));
        const OpenedProduct product(dir.path("SCENE.LAB"), config);
        EXPECT_EQ(noBandReason(product.parseResult(), product.catalog(), kTemplates,
                               MessageSpelling{spellPath, spellText}),
                  c.reason);
    }
}

TEST(NoBandReason, NothingWhenTheProductHasABand) {
    test::TempDir dir;
    const std::string config =
        dir.writeFile("QMDATA.INI", "[Logical Format]\nREC=1\n[FileNameMask]\nREC=*.DAT\n");
    dir.writeFile("SCENE.LAB", label("REC"));
    dir.writeFile("SCENE/B1.DAT", test::RecordBand{100, 3, "   0", "   0", {0, 0}, {0, 0}}.bytes());
    const OpenedProduct product(dir.path("SCENE.LAB"), config);
    EXPECT_EQ(noBandReason(product.parseResult(), product.catalog(), kTemplates,
                           MessageSpelling{spellPath, spellText}),
              std::nullopt);
}

}  // namespace
}  // namespace qm
