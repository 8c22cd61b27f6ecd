// A command that shows a message box or dialog runs under the window's one guard:
// until the box is gone the window refuses commands and level clicks, so nothing
// frees or changes the bands that the running command still uses, and no dialog
// opens on top of another.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/control_ids.h"
#include "app/texts.h"
#include "platform/platform.h"
#include "res/resource.h"
#include "tests/win32/dialog_driver.h"
#include "tests/win32/product_window_fixture.h"
#include "view/texts.h"

namespace qm::test {
namespace {

// Answers every message box with OK; while the first one is "up", runs `meddle`,
// which does what a user could do then.
class MeddlingBoxes {
  public:
    explicit MeddlingBoxes(std::function<void()> meddle) : meddle_(std::move(meddle)) {
        previous_ = platform::setMessageBoxHandler([this](const platform::MessageBoxRequest& box) {
            boxes_.push_back(box);
            if (boxes_.size() == 1)
                meddle_();
            return platform::kIdOk;
        });
    }
    ~MeddlingBoxes() { platform::setMessageBoxHandler(std::move(previous_)); }
    MeddlingBoxes(const MeddlingBoxes&) = delete;
    MeddlingBoxes& operator=(const MeddlingBoxes&) = delete;

    const std::vector<platform::MessageBoxRequest>& boxes() const { return boxes_; }

  private:
    std::function<void()> meddle_;
    std::vector<platform::MessageBoxRequest> boxes_;
    platform::MessageBoxHandler previous_;
};

using ReentrantCommandsTest = ProductWindowTest;

struct BoxCase {
    const char* what;
    ProductShape shape;
    std::vector<int> chosen;
    int command;
    std::string text;  // of the box shown while the command runs
    std::string caption;
};

// While the box is up: the open command (whose dialog, if it showed, would be
// answered with another product, whose opening frees every band), a band change to
// other bands, and a level click. None of them may run.
TEST_F(ReentrantCommandsTest, CommandsAndLevelClicksAreRefusedWhileTheBoxIsUp) {
    const BoxCase cases[] = {
        // A header of no lines: the bands are listed, and none of them loads.
        {"a band that fails to load",
         {.headerLines = 0},
         {1, 2, 3},
         IDM_APPLY_BAND_CHANGE,
         texts::kLoadFailed,
         texts::kErrorCaption},
        // Band 1 is rewritten to zeros below: its histogram caps the bar of 0.
        {"a histogram bar cut", {}, {1, 2, 3}, IDM_APPLY_BAND_CHANGE, "", ""},
        {"automatic level without a blue band",
         {},
         {1, 2, 0},
         IDM_AUTO_LEVEL_TRUE_COLOUR,
         texts::kThreeBandsNeeded,
         texts::kThreeBandsNeededCaption},
    };
    int round = 0;
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string name = "SCENE" + std::to_string(++round);
        const std::string label = writeProduct(name, 3, c.shape);
        const std::string other = writeProduct("OTHER" + std::to_string(round), 1);
        open(label);
        ASSERT_EQ(chooserCount(0), 4);
        choose(c.chosen);
        if (c.command == IDM_AUTO_LEVEL_TRUE_COLOUR)
            command(IDM_APPLY_BAND_CHANGE);
        else if (c.text.empty())
            dir_.writeFile(name + "/SCENE_B10.FST", std::string(kWidth * kHeight, '\0'));

        bool dialogShown = true;
        BandImage* shownDuring = nullptr;
        LevelRange levelDuring;
        MeddlingBoxes boxes([&] {
            shownDuring = main_.view().channel(0);
            levelDuring = main_.levels()[0];
            FileDialogAnswer answer(texts::kOpenTitle, other, 1500);
            command(IDM_OPEN);
            dialogShown = answer.answered();
            choose({3, 3, 3});
            command(IDM_APPLY_BAND_CHANGE);
            clickSpin(control::kFirstHighSpin, -5);
        });
        command(c.command);

        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_EQ(boxes.boxes()[0].text, c.text);
        EXPECT_EQ(boxes.boxes()[0].caption, c.caption);
        EXPECT_FALSE(dialogShown);
        EXPECT_EQ(chooserCount(0), 4) << "the other product was opened";
        ASSERT_NE(shownDuring, nullptr);
        EXPECT_EQ(main_.view().channel(0), shownDuring) << "other bands were shown";
        EXPECT_EQ(main_.levels()[0].high, levelDuring.high);
        EXPECT_EQ(main_.levels()[0].low, levelDuring.low);
    }
}

// The real About box, shown by the system: a command sent to the window while it is
// up returns at once and opens no dialog. Were it to run, the sender would wait on
// the open dialog and time out.
TEST_F(ReentrantCommandsTest, ACommandWhileTheAboutBoxIsUpDoesNothing) {
    const platform::MessageBoxHandler testHandler = platform::setMessageBoxHandler({});
    bool boxShown = false;
    bool returned = false;
    std::thread user([&] {
        const HWND about = waitForDialog(texts::kAboutCaption, FileDialogAnswer::kTimeoutMs);
        boxShown = about != nullptr;
        if (!about)
            return;
        DWORD_PTR result = 0;
        returned =
            SendMessageTimeoutA(window(), WM_COMMAND, IDM_OPEN, 0, SMTO_NORMAL, 5000, &result) != 0;
        // Had the command run, its open dialog would hold the sender: it is closed so
        // that the test can end.
        if (!returned) {
            if (const HWND dialog = waitForDialog(texts::kOpenTitle, FileDialogAnswer::kTimeoutMs))
                PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        }
        PostMessageA(about, WM_COMMAND, IDOK, 0);
    });
    command(IDM_ABOUT);
    user.join();
    platform::setMessageBoxHandler(testHandler);
    EXPECT_TRUE(boxShown);
    EXPECT_TRUE(returned);
}

// Once the box is gone, the window takes commands again.
TEST_F(ReentrantCommandsTest, CommandsRunAgainAfterTheBox) {
    open(writeProduct("SCENE", 3, {.headerLines = 0}));
    choose({1, 0, 0});
    {
        MeddlingBoxes boxes([] {});
        command(IDM_APPLY_BAND_CHANGE);
        ASSERT_EQ(boxes.boxes().size(), 1u);
    }
    open(writeProduct("OTHER", 2));
    EXPECT_EQ(chooserCount(0), 3);
    clickSpin(control::kFirstHighSpin, -5);
    EXPECT_EQ(main_.levels()[0].high, 250);
}

}  // namespace
}  // namespace qm::test
