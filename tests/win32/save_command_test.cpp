// Command 40003 through the real save dialog: nothing without a band, a new name
// written, an existing file replaced only after the dialog asked, the old file kept
// with a message naming the reason when the new one cannot be written, and no file
// of the open product written over.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/file_dialog_request.h"
#include "app/texts.h"
#include "res/resource.h"
#include "tests/support/message_capture.h"
#include "tests/support/scoped_write_fault.h"
#include "tests/win32/dialog_driver.h"
#include "tests/win32/product_window_fixture.h"
#include "view/texts.h"

namespace qm::test {
namespace {

using SaveCommandTest = ProductWindowTest;
using Replace = FileDialogAnswer::Replace;

std::size_t entries(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                  std::filesystem::directory_iterator()));
}

// A dialog would be cancelled by the answer and count as answered.
TEST_F(SaveCommandTest, NoBandShownAsksNothing) {
    open(writeProduct("SCENE", 3));
    FileDialogAnswer cancel(texts::kSaveTitle, "", 1500);
    command(IDM_SAVE_AS);
    EXPECT_FALSE(cancel.answered());
}

// The dialog asks before it hands over an existing name: No keeps the file, Yes
// replaces it.
TEST_F(SaveCommandTest, AsksBeforeReplacingAnExistingFile) {
    const std::string label = writeProduct("SCENE", 3);
    open(label);
    choose({3, 0, 1});
    command(IDM_APPLY_BAND_CHANGE);
    const std::string target = dir_.writeFile("OLD.BMP", std::string(70000, 'x'));
    EXPECT_TRUE(save(target, Replace::No));
    EXPECT_EQ(fileBytes(target), std::string(70000, 'x'));
    EXPECT_TRUE(save(target, Replace::Yes));
    EXPECT_EQ(fileBytes(target), cliExport(label, {"--rgb", "3,-,1"}));
}

TEST_F(SaveCommandTest, CancelledDialogWritesNothing) {
    open(writeProduct("SCENE", 3));
    choose({1, 2, 3});
    command(IDM_APPLY_BAND_CHANGE);
    FileDialogAnswer cancel(texts::kSaveTitle, "");
    command(IDM_SAVE_AS);
    EXPECT_TRUE(cancel.answered());
    EXPECT_EQ(entries(dir_.native()), 3u);  // QMDATA.INI, the label and the product folder
}

// The save dialog must let the user name a file that does not exist yet (a flag
// that asks for an existing file can refuse that); the open dialog insists on one.
TEST_F(SaveCommandTest, SaveRequestAllowsANewNameAndAsksBeforeReplacing) {
    char buffer[261] = "";
    const OPENFILENAMEA save = bitmapFileRequest(window(), buffer, 260);
    EXPECT_EQ(save.Flags,
              static_cast<DWORD>(OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));
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
    EXPECT_FALSE(save(target));
    EXPECT_EQ(fileBytes(target), cliExport(label, {"--rgb", "2,1,3"}));
}

// A file held open without sharing cannot be replaced; a read-only folder and a
// full disk are met through the platform's write fault (under Wine, as root,
// nothing is read-only and no disk fills). Each time a box owned by the main
// window names the reason and the file, the old file stays as it was, and no
// temporary file is left beside it.
TEST_F(SaveCommandTest, FailureKeepsTheOldFileAndNamesTheReason) {
    open(writeProduct("SCENE", 3));
    choose({1, 2, 3});
    command(IDM_APPLY_BAND_CHANGE);
    const struct {
        const char* name;
        bool held;
        std::optional<platform::WriteFault> fault;
        const char* reason;
    } cases[] = {
        {"file held open", true, std::nullopt, texts::kSaveAccessDenied},
        {"read-only folder", false, platform::WriteFault{platform::WriteFailure::AccessDenied, -1},
         texts::kSaveAccessDenied},
        {"disk full", false, platform::WriteFault{platform::WriteFailure::DiskFull, 1000},
         texts::kSaveDiskFull},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string target = dir_.writeFile("OLD.BMP", "old picture");
        const std::size_t before = entries(dir_.native());
        const HANDLE held = c.held ? CreateFileA(target.c_str(), GENERIC_READ, 0, nullptr,
                                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)
                                   : INVALID_HANDLE_VALUE;
        MessageCapture boxes;
        {
            const ScopedWriteFault fault(c.fault);
            save(target);
        }
        if (held != INVALID_HANDLE_VALUE)
            CloseHandle(held);
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_EQ(boxes.boxes()[0].text, std::string(texts::kSaveFailed) + "\n" + c.reason + "\n" +
                                             texts::kSaveKeptOld + target);
        EXPECT_EQ(boxes.boxes()[0].caption, texts::kErrorCaption);
        EXPECT_EQ(boxes.boxes()[0].owner, window());
        EXPECT_EQ(boxes.boxes()[0].style & MB_ICONMASK, platform::kMbIconError);
        EXPECT_EQ(fileBytes(target), "old picture");
        EXPECT_EQ(entries(dir_.native()), before);
    }
}

// The label, a band file and the configuration in use are refused however the
// name is spelled; each stays byte for byte as it was.
TEST_F(SaveCommandTest, NoFileOfTheOpenProductIsWrittenOver) {
    open(writeProduct("SCENE", 3));
    choose({1, 2, 3});
    command(IDM_APPLY_BAND_CHANGE);
    for (const std::string& file :
         {dir_.path("SCENE/SCENE_B20.FST"), dir_.path("scene.lab"), dir_.path("QMDATA.INI"),
          dir_.path("SCENE/../SCENE/L7A_HRF.FST")}) {
        SCOPED_TRACE(file);
        const std::string before = fileBytes(file);
        MessageCapture boxes;
        save(file);
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_EQ(boxes.boxes()[0].text.find(texts::kSaveOverProduct), 0u);
        EXPECT_EQ(boxes.boxes()[0].caption, texts::kErrorCaption);
        EXPECT_EQ(fileBytes(file), before);
    }
}

}  // namespace
}  // namespace qm::test
