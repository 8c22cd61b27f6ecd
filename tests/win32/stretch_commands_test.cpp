// Commands 40030 and 40031: the menu's stretches give, byte for byte, the picture
// quillmere-cli export writes with the same rule.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/win32/product_window_fixture.h"

namespace qm::test {
namespace {

using StretchCommandTest = ProductWindowTest;

TEST_F(StretchCommandTest, SavesWhatTheCommandLineExportsWithTheSameStretch) {
    const std::string label = writeProduct("SCENE", 3);
    open(label);
    const std::vector<std::string> bands = {"--rgb", "3,1,2"};
    const std::string unstretched = cliExport(label, bands);
    const struct {
        const char* name;
        int command;
        std::vector<std::string> stretch;
    } cases[] = {
        {"2% clip", IDM_AUTO_LEVEL_CLIP, {"--auto-clip", "2"}},
        {"mean +- 2 deviations", IDM_AUTO_LEVEL_DEVIATION, {"--auto-stddev", "2"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        choose({3, 1, 2});
        command(IDM_APPLY_BAND_CHANGE);
        command(c.command);
        const std::string target = dir_.path("STRETCHED.BMP");
        save(target);

        std::vector<std::string> options = bands;
        options.insert(options.end(), c.stretch.begin(), c.stretch.end());
        const std::string expected = cliExport(label, options);
        EXPECT_NE(expected, unstretched);  // the stretch shows in the bytes
        EXPECT_TRUE(fileBytes(target) == expected) << "not what quillmere-cli export wrote";
    }
}

}  // namespace
}  // namespace qm::test
