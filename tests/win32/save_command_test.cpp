// Command 40003 through the real save dialog: nothing without a band, a new name or
// an existing file replaced without a question, and a message when the file cannot
// be written.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/file_dialog_request.h"
#include "app/texts.h"
#include "res/resource.h"
#include "tests/support/message_capture.h"
#include "tests/win32/dialog_driver.h"
#include "tests/win32/product_window_fixture.h"
#include "view/texts.h"

namespace qm::test {
namespace {

using SaveCommandTest = ProductWindowTest;

// A dialog would be cancelled by the answer and count as answered.
TEST_F(SaveCommandTest, NoBandShownAsksNothing) {
    open(writeProduct("SCENE", 3));
    FileDialogAnswer cancel(texts::kSaveTitle, "", 1500);
    command(IDM_SAVE_AS);
    EXPECT_FALSE(cancel.answered());
}

TEST_F(SaveCommandTest, ReplacesAnExistingFileWithoutAQuestion) {
    const std::string label = writeProduct("SCENE", 3);
    open(label);
    choose({3, 0, 1});
    command(IDM_APPLY_BAND_CHANGE);
    const std::string target = dir_.writeFile("OLD.BMP", std::string(70000, 'x'));
    save(target);
    EXPECT_EQ(fileBytes(target), cliExport(label, {"--rgb", "3,-,1"}));
}

TEST_F(SaveCommandTest, CancelledDialogWritesNothing) {
    open(writeProduct("SCENE", 3));
    choose({1, 2, 3});
    command(IDM_APPLY_BAND_CHANGE);
    FileDialogAnswer cancel(texts::kSaveTitle, "");
    command(IDM_SAVE_AS);
    EXPECT_TRUE(cancel.answered());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.native()),
                            std::filesystem::directory_iterator()),
              3);  // QMDATA.INI, the label and the product folder
}

// The save dialog must let the user name a file that does not exist yet (a flag
// that asks for an existing file can refuse that); the open dialog insists on one.
TEST_F(SaveCommandTest, SaveRequestAllowsANewNameAndReplacesWithoutAQuestion) {
    char buffer[261] = "";
    const OPENFILENAMEA save = bitmapFileRequest(window(), buffer, 260);
    EXPECT_EQ(save.Flags & OFN_FILEMUSTEXIST, 0u);
    EXPECT_EQ(save.Flags & OFN_OVERWRITEPROMPT, 0u);
    EXPECT_EQ(save.Flags, static_cast<DWORD>(OFN_EXPLORER | OFN_HIDEREADONLY));
    EXPECT_STREQ(save.lpstrDefExt, "BMP");
    EXPECT_STREQ(save.lpstrTitle, texts::kSaveTitle);
    const OPENFILENAMEA open = labelFileRequest(window(), buffer, 260);
    EXPECT_NE(open.Flags & OFN_FILEMUSTEXIST, 0u);
    EXPECT_STREQ(open.lpstrDefExt, "LAB");
}

TEST_F(SaveCommandTest, WritesAFileUnderANewName) {
    const std::string label = writeProduct("SCENE", 3);
    open(label);
    choose({2, 1, 3});
    command(IDM_APPLY_BAND_CHANGE);
    const std::string target = dir_.path("NEW NAME.BMP");
    ASSERT_FALSE(std::filesystem::exists(dir_.native("NEW NAME.BMP")));
    save(target);
    EXPECT_EQ(fileBytes(target), cliExport(label, {"--rgb", "2,1,3"}));
}

// A file held open without sharing cannot be written: a box owned by the main
// window says so, and the file is left as it was.
TEST_F(SaveCommandTest, FailureShowsTheMessageOwnedByTheWindow) {
    open(writeProduct("SCENE", 3));
    choose({1, 2, 3});
    command(IDM_APPLY_BAND_CHANGE);
    const std::string target = dir_.writeFile("HELD.BMP", "held");
    const HANDLE held = CreateFileA(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    MessageCapture boxes;
    save(target);
    CloseHandle(held);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, texts::kSaveFailed);
    EXPECT_EQ(boxes.boxes()[0].caption, texts::kErrorCaption);
    EXPECT_EQ(boxes.boxes()[0].owner, window());
    EXPECT_EQ(boxes.boxes()[0].style & MB_ICONMASK, platform::kMbIconError);
    EXPECT_EQ(fileBytes(target), "held");
}

}  // namespace
}  // namespace qm::test
