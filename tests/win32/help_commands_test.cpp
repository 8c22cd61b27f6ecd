// The Help menu: the about box names the program, its version and word size and the
// configuration file in use; the document item opens the user guide beside the
// program, or says where it looked for it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/document_opener.h"
#include "app/texts.h"
#include "paths/paths.h"
#include "res/resource.h"
#include "tests/support/message_capture.h"
#include "tests/win32/main_window_fixture.h"
#include "view/texts.h"

namespace qm::test {
namespace {

using HelpCommandsTest = MainWindowTest;

TEST_F(HelpCommandsTest, TheAboutBoxNamesVersionWordSizeAndConfiguration) {
    const std::string configuration = dir_.path("QMDATA.INI");
    const std::string heading = std::string("Quillmere バージョン ") + QM_VERSION +
                                (sizeof(void*) == 8 ? " (64ビット版)" : " (32ビット版)") +
                                "\n\n設定ファイル:\n" + configuration + "\n";
    struct Case {
        bool configurationPresent;
        std::string last;
    };
    const Case cases[] = {
        {false, "設定ファイルが見つかりません。"},
        {true, "この設定ファイルを使用しています。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.last);
        if (c.configurationPresent)
            dir_.writeFile("QMDATA.INI", "[Logical Format]\r\n");
        MessageCapture boxes;
        command(IDM_ABOUT);
        ASSERT_EQ(boxes.boxes().size(), 1u);
        const platform::MessageBoxRequest& box = boxes.boxes()[0];
        EXPECT_EQ(box.text, heading + c.last);
        EXPECT_EQ(box.caption, "Quillmereについて");
        EXPECT_EQ(box.style, platform::kMbIconInformation);
        EXPECT_EQ(box.owner, window());
    }
}

// The guide is looked for beside the running program: here the test program. The
// system's viewer is replaced by a recorder.
TEST_F(HelpCommandsTest, TheDocumentItemOpensTheGuideOrSaysWhereItLooked) {
    const std::string guide = executableFilePath("README-ja.txt");
    const std::filesystem::path guideFile(guide);
    ASSERT_FALSE(std::filesystem::exists(guideFile)) << "a guide lies beside the test program";
    struct Case {
        const char* what;
        bool guidePresent;
        bool viewerStarts;
        std::vector<std::string> opened;
        std::string message;  // empty: no message box
    };
    const Case cases[] = {
        {"guide present", true, true, {guide}, ""},
        {"no viewer for it", true, false, {guide}, texts::kDocumentNotOpened + guide},
        {"guide missing", false, true, {}, texts::kDocumentMissing + guide},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.guidePresent)
            std::ofstream(guideFile) << "Quillmere\n";
        std::vector<std::string> opened;
        const DocumentOpener previous = setDocumentOpener([&](HWND owner, const std::string& path) {
            EXPECT_EQ(owner, window());
            opened.push_back(path);
            return c.viewerStarts;
        });
        MessageCapture boxes;
        command(IDM_VIEW_DOCUMENT);
        setDocumentOpener(previous);
        std::filesystem::remove(guideFile);

        EXPECT_EQ(opened, c.opened);
        if (c.message.empty()) {
            EXPECT_TRUE(boxes.boxes().empty());
            continue;
        }
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_EQ(boxes.boxes()[0].text, c.message);
        EXPECT_EQ(boxes.boxes()[0].caption, texts::kErrorCaption);
        EXPECT_EQ(boxes.boxes()[0].style, platform::kMbIconError);
    }
}

}  // namespace
}  // namespace qm::test
