// An opened product without a band: the choosers hold "do not display" alone, and
// then a box owned by the window says why, naming what the user can change.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/texts.h"
#include "platform/platform.h"
#include "tests/support/product_files.h"
#include "tests/win32/product_window_fixture.h"
#include "view/texts.h"

namespace qm::test {
namespace {

using NoBandMessageTest = ProductWindowTest;

struct Box {
    std::string text;
    platform::MessageBoxRequest request;
    int choosersThen;  // items in the first band chooser while the box was up
};

TEST_F(NoBandMessageTest, EachReasonNamesTheFormatTheMaskOrTheFolder) {
    const std::string config = dir_.path("QMDATA.INI");
    const struct {
        const char* name;
        std::function<std::string()> product;  // writes it, gives the label's path
        std::vector<std::string> named;        // what the box must name
    } cases[] = {
        {"logical format not configured",
         [&] {
             return dir_.writeFile(
                 "L7A.LAB", labelText({{"Satellite : LANDSAT-7", "Logical Format : FAST-L7A"}}));
         },
         {"\"FAST-L7A\"", "[Logical Format]", config}},
        {"no file matches the mask",
         [&] { return writeProduct("EMPTY", 0); },
         {"\"*_B*.FST\"", dir_.path("EMPTY\\")}},
        {"product folder missing",
         [&] {
             const std::string label = writeProduct("GONE", 1);
             std::filesystem::remove_all(dir_.native("GONE"));
             return label;
         },
         {dir_.path("GONE\\")}},
        {"fast-format header missing",
         [&] {
             const std::string label = writeProduct("NOHEADER", 2);
             std::filesystem::remove(dir_.native("NOHEADER/L7A_HRF.FST"));
             return label;
         },
         {"L7*_HRF.FST", dir_.path("NOHEADER\\")}},
        {"no label marker",
         [&] { return dir_.writeFile("PLAIN.LAB", std::string(300, ' ')); },
         {"ZEPHYRLAB", dir_.path("PLAIN.LAB")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<Box> boxes;
        const platform::MessageBoxHandler previous =
            platform::setMessageBoxHandler([&](const platform::MessageBoxRequest& box) {
                boxes.push_back({box.text, box, chooserCount(0)});
                return platform::kIdOk;
            });
        open(c.product());
        platform::setMessageBoxHandler(previous);

        ASSERT_EQ(boxes.size(), 1u);
        const Box& box = boxes[0];
        EXPECT_EQ(box.text.find(texts::kNoBandFound), 0u) << box.text;
        for (const std::string& name : c.named)
            EXPECT_NE(box.text.find(name), std::string::npos) << name << "\n" << box.text;
        EXPECT_EQ(box.request.caption, texts::kErrorCaption);
        EXPECT_EQ(box.request.owner, window());
        EXPECT_EQ(box.request.style & MB_ICONMASK, platform::kMbIconError);
        EXPECT_EQ(box.choosersThen, 1);  // refilled first, with "do not display" alone
        EXPECT_EQ(chooserCount(0), 1);
    }
}

// The command line names a label that is not there: the same box, with its path.
TEST_F(NoBandMessageTest, AMissingLabelFromTheCommandLineIsNamed) {
    std::vector<platform::MessageBoxRequest> boxes;
    const platform::MessageBoxHandler previous =
        platform::setMessageBoxHandler([&](const platform::MessageBoxRequest& box) {
            boxes.push_back(box);
            return platform::kIdOk;
        });
    const std::string missing = dir_.path("MISSING.LAB");
    main_.openFromCommandLine(("\"" + missing + "\"").c_str());
    platform::setMessageBoxHandler(previous);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find(missing), std::string::npos) << boxes[0].text;
}

}  // namespace
}  // namespace qm::test
