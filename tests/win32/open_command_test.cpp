// Command 40001 through the real open dialog: the band choosers are refilled from
// the product, and the view lets go of the old product's bands.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "app/texts.h"
#include "res/resource.h"
#include "tests/support/message_capture.h"
#include "tests/win32/dialog_driver.h"
#include "tests/win32/product_window_fixture.h"

namespace qm::test {
namespace {

using OpenCommandTest = ProductWindowTest;

// The choosers are emptied before they are filled, and the shown bands go.
TEST_F(OpenCommandTest, ReopeningRefillsEveryChooserAndEmptiesTheView) {
    MessageCapture boxes;
    const std::string first = writeProduct("FIRST", 4);
    const std::string second = writeProduct("SECOND", 2);
    open(first);
    choose({1, 2, 3});
    command(IDM_APPLY_BAND_CHANGE);
    ASSERT_NE(main_.view().channel(0), nullptr);

    for (const auto& [label, count] : {std::pair{first, 5}, std::pair{second, 3}}) {
        SCOPED_TRACE(label);
        open(label);
        for (int channel = 0; channel < 3; ++channel) {
            EXPECT_EQ(chooserCount(channel), count) << channel;
            EXPECT_EQ(chooserSelection(channel), 0) << channel;
            EXPECT_EQ(main_.view().channel(channel), nullptr) << channel;
        }
        EXPECT_EQ(main_.view().pixelCount(), 0);
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(OpenCommandTest, CancelledDialogChangesNothing) {
    open(writeProduct("SCENE", 3));
    choose({2, 3, 1});
    FileDialogAnswer cancel(texts::kOpenTitle, "");
    command(IDM_OPEN);
    ASSERT_TRUE(cancel.answered());
    for (int channel = 0; channel < 3; ++channel) {
        EXPECT_EQ(chooserCount(channel), 4);
        EXPECT_EQ(chooserSelection(channel), (channel + 1) % 3 + 1);
    }
}

// Cancels every open dialog that shows within a second.
void cancelOpenDialogs() {
    while (const HWND dialog = waitForDialog(texts::kOpenTitle, 1000)) {
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        Sleep(100);
    }
}

// A second open command while the dialog runs does nothing: no second dialog (the
// sender would wait for it in vain), and the choosers keep their choice.
TEST_F(OpenCommandTest, SecondOpenDuringTheDialogDoesNothing) {
    open(writeProduct("SCENE", 3));
    choose({1, 1, 1});
    bool returned = false;
    int selection = -1;
    std::thread second([&] {
        if (!waitForDialog(texts::kOpenTitle, FileDialogAnswer::kTimeoutMs))
            return;
        DWORD_PTR result = 0;
        returned =
            SendMessageTimeoutA(window(), WM_COMMAND, IDM_OPEN, 0, SMTO_NORMAL, 5000, &result) != 0;
        selection = static_cast<int>(SendMessageA(control(100), CB_GETCURSEL, 0, 0));
        cancelOpenDialogs();
    });
    command(IDM_OPEN);
    second.join();
    EXPECT_TRUE(returned);
    EXPECT_EQ(selection, 1);
    EXPECT_EQ(chooserCount(0), 4);
}

}  // namespace
}  // namespace qm::test
