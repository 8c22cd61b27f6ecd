// Keys through the program's message step: the resources' shortcuts become their
// menu commands wherever the focus is; the scroll keys move the picture while the
// main window has the focus and stay with a band chooser that has it. Ctrl and
// Shift are held in the thread's keyboard state, where the step reads them.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "app/control_ids.h"
#include "app/message_step.h"
#include "res/resource.h"
#include "tests/win32/picture_fixture.h"

namespace qm::test {
namespace {

constexpr BYTE kDown = 0x80;

// Ctrl and Shift held for the life of the object.
class HeldKeys {
  public:
    HeldKeys(bool control, bool shift) {
        GetKeyboardState(saved_.data());
        std::array<BYTE, 256> keys = saved_;
        for (const int key : {VK_CONTROL, VK_LCONTROL})
            keys[key] = control ? kDown : 0;
        for (const int key : {VK_SHIFT, VK_LSHIFT})
            keys[key] = shift ? kDown : 0;
        SetKeyboardState(keys.data());
    }
    ~HeldKeys() { SetKeyboardState(saved_.data()); }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

  private:
    std::array<BYTE, 256> saved_{};
};

// Takes the commands that reach the main window from menus and shortcuts (no
// sending control) instead of running them; the rest goes to the window.
class CommandRecorder {
  public:
    explicit CommandRecorder(HWND window) : window_(window) {
        current_ = this;
        previous_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&record)));
    }
    ~CommandRecorder() {
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
        current_ = nullptr;
    }
    CommandRecorder(const CommandRecorder&) = delete;
    CommandRecorder& operator=(const CommandRecorder&) = delete;

    // Each command's id and source (1 for a shortcut, 0 for a menu).
    std::vector<std::pair<int, int>> take() { return std::exchange(commands_, {}); }

  private:
    static LRESULT CALLBACK record(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_COMMAND && lParam == 0) {
            current_->commands_.emplace_back(LOWORD(wParam), HIWORD(wParam));
            return 0;
        }
        return CallWindowProcA(current_->previous_, window, message, wParam, lParam);
    }

    static inline CommandRecorder* current_ = nullptr;
    HWND window_;
    WNDPROC previous_ = nullptr;
    std::vector<std::pair<int, int>> commands_;
};

class KeyboardTest : public PictureTest {
  protected:
    void SetUp() override {
        PictureTest::SetUp();
        shortcuts_ = LoadAcceleratorsA(GetModuleHandleA(nullptr), kShortcutsName);
        ASSERT_NE(shortcuts_, nullptr);
    }

    // The key pressed, delivered as the message loop delivers it: to the window
    // with the focus.
    void press(WPARAM key, bool control = false, bool shift = false) {
        const HeldKeys held(control, shift);
        MSG message{};
        message.hwnd = GetFocus();
        ASSERT_NE(message.hwnd, nullptr);
        message.message = WM_KEYDOWN;
        message.wParam = key;
        message.lParam = 1;
        handleMessage(message, window(), shortcuts_);
        pumpMessages();
    }

    void focus(HWND target) {
        SetFocus(target);
        ASSERT_EQ(GetFocus(), target);
    }

    HACCEL shortcuts_ = nullptr;
};

struct ShortcutCase {
    const char* what;
    WPARAM key;
    bool control;
    bool shift;
    int command;  // 0: none
};

const ShortcutCase kShortcuts[] = {
    {"Ctrl+O", 'O', true, false, IDM_OPEN},
    {"Ctrl+S", 'S', true, false, IDM_SAVE_AS},
    {"F5", VK_F5, false, false, IDM_APPLY_BAND_CHANGE},
    {"Ctrl+L", 'L', true, false, IDM_APPLY_INPUT_LEVELS},
    {"Ctrl and the + key without Shift", VK_OEM_PLUS, true, false, IDM_ZOOM_IN},
    {"Ctrl+Shift and the + key (+ on Japanese keyboards)", VK_OEM_PLUS, true, true, IDM_ZOOM_IN},
    {"Ctrl and keypad +", VK_ADD, true, false, IDM_ZOOM_IN},
    {"Ctrl+-", VK_OEM_MINUS, true, false, IDM_ZOOM_OUT},
    {"Ctrl and keypad -", VK_SUBTRACT, true, false, IDM_ZOOM_OUT},
    {"Ctrl+0", '0', true, false, IDM_ZOOM_ACTUAL_SIZE},
    {"Ctrl and keypad 0", VK_NUMPAD0, true, false, IDM_ZOOM_ACTUAL_SIZE},
    {"Ctrl+F", 'F', true, false, IDM_ZOOM_TO_FIT},
    {"O alone", 'O', false, false, 0},
    {"Ctrl+Shift+O", 'O', true, true, 0},
    {"Ctrl+F5", VK_F5, true, false, 0},
    {"Ctrl+Down", VK_DOWN, true, false, 0},
};

TEST_F(KeyboardTest, ShortcutsBecomeTheirCommandsWhereverTheFocusIs) {
    showPicture();
    CommandRecorder recorder(window());
    for (const int focused : {0, control::kFirstBandChooser}) {
        focus(focused ? control(focused) : window());
        for (const ShortcutCase& c : kShortcuts) {
            SCOPED_TRACE(testing::Message() << c.what << ", focus on " << focused);
            press(c.key, c.control, c.shift);
            std::vector<std::pair<int, int>> expected;
            if (c.command)
                expected.emplace_back(c.command, 1);
            EXPECT_EQ(recorder.take(), expected);
        }
    }
}

// The commands run as from the menu.
TEST_F(KeyboardTest, ShortcutsRunTheirCommands) {
    open(writeProduct("SCENE", 3, kPicture));
    choose({1, 2, 3});
    focus(window());
    press(VK_F5);
    EXPECT_NE(main_.view().channel(2), nullptr);
    press(VK_OEM_MINUS, true);
    EXPECT_EQ(main_.view().zoom(), 2);
    press(VK_ADD, true);
    EXPECT_EQ(main_.view().zoom(), 1);
    press('F', true);
    EXPECT_GT(main_.view().zoom(), 1);
    press('0', true);
    EXPECT_EQ(main_.view().zoom(), 1);
}

struct ScrollKeyCase {
    const char* what;
    WPARAM key;
    bool shift;
    Origin start;
    Origin expected;
};

// The image area is 329 x 349, so the pages are 329 columns and 349 lines.
const ScrollKeyCase kScrollKeys[] = {
    {"down", VK_DOWN, false, {100, 80}, {100, 81}},
    {"up", VK_UP, false, {100, 80}, {100, 79}},
    {"right", VK_RIGHT, false, {100, 80}, {101, 80}},
    {"left", VK_LEFT, false, {100, 80}, {99, 80}},
    {"up at the top", VK_UP, false, {100, 0}, {100, 0}},
    {"down at the last line", VK_DOWN, false, {100, 551}, {100, 551}},
    {"right at the last column", VK_RIGHT, false, {671, 80}, {671, 80}},
    {"page down", VK_NEXT, false, {100, 80}, {100, 429}},
    {"page down near the end", VK_NEXT, false, {100, 300}, {100, 551}},
    {"page up near the top", VK_PRIOR, false, {100, 80}, {100, 0}},
    {"shift page down: a page right", VK_NEXT, true, {100, 80}, {429, 80}},
    {"shift page up: a page left", VK_PRIOR, true, {400, 80}, {71, 80}},
    {"home: the top", VK_HOME, false, {100, 80}, {100, 0}},
    {"end: the bottom", VK_END, false, {100, 80}, {100, 551}},
    {"shift home: the left edge", VK_HOME, true, {100, 80}, {0, 80}},
    {"shift end: the right edge", VK_END, true, {100, 80}, {671, 80}},
    {"shift up is no scroll key", VK_UP, true, {100, 80}, {100, 80}},
};

TEST_F(KeyboardTest, ScrollKeysMoveThePictureWhileTheWindowHasTheFocus) {
    showPicture();
    focus(window());
    for (const ScrollKeyCase& c : kScrollKeys) {
        SCOPED_TRACE(c.what);
        scrollTo(c.start);
        press(c.key, false, c.shift);
        EXPECT_EQ(origin(), c.expected);
    }
    scrollTo({100, 80});
    press(VK_HOME, true);
    EXPECT_EQ(origin(), Origin(100, 80)) << "Ctrl+Home is no scroll key";
}

// A band chooser with the focus keeps its keys; a click on the picture gives them
// back to the picture.
TEST_F(KeyboardTest, AFocusedBandChooserKeepsItsKeys) {
    showPicture();
    scrollTo({100, 80});
    const HWND chooser = control(control::kFirstBandChooser);
    focus(chooser);
    const struct {
        WPARAM key;
        int selection;
    } steps[] = {{VK_DOWN, 2}, {VK_DOWN, 3}, {VK_UP, 2}, {VK_HOME, 0}, {VK_END, 3}};
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "key " << step.key);
        press(step.key);
        EXPECT_EQ(chooserSelection(0), step.selection);
        EXPECT_EQ(origin(), Origin(100, 80));
    }
    SendMessageA(window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(400, 200));
    SendMessageA(window(), WM_LBUTTONUP, 0, MAKELPARAM(400, 200));
    EXPECT_EQ(GetFocus(), window());
    press(VK_DOWN);
    EXPECT_EQ(origin(), Origin(100, 81));
    EXPECT_EQ(chooserSelection(0), 3);
}

// A mode switch takes the picture away but leaves the bars as they were.
TEST_F(KeyboardTest, ScrollKeysDoNothingWithoutAPicture) {
    showPicture();
    scrollTo({100, 80});
    command(IDM_SINGLE_BAND_MODE);
    focus(window());
    for (const WPARAM key : {VK_DOWN, VK_RIGHT, VK_NEXT, VK_END}) {
        press(key);
        EXPECT_EQ(origin(), Origin(100, 80));
    }
}

}  // namespace
}  // namespace qm::test
