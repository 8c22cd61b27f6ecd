// The real quillmere.exe started with a label file on its command line, as a file
// association starts it: its band choosers hold the product's bands, named by the
// QMDATA.INI beside it, without any dialog.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>

#include "platform/platform.h"
#include "tests/support/product_files.h"
#include "tests/support/temp_dir.h"

namespace qm::test {
namespace {

constexpr int kTimeoutMs = 20000;
constexpr int kPollMs = 50;

// The built program's path; a POSIX path is the one Wine shows on drive Z.
std::string viewerPath() {
    std::string path = platform::fromNativePath(QM_VIEWER_PATH);
    return path.front() == '\\' ? "Z:" + path : path;
}

struct WindowSearch {
    DWORD process;
    HWND found;
};

BOOL CALLBACK findMainWindow(HWND window, LPARAM search) {
    auto* s = reinterpret_cast<WindowSearch*>(search);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner != s->process || std::string(className) != "Quillmere")
        return TRUE;
    s->found = window;
    return FALSE;
}

// The program the test starts; it is closed (or, failing that, ended) with the test.
class ViewerProcess {
  public:
    explicit ViewerProcess(const std::string& commandLine) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string line = commandLine;
        started_ = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  nullptr, &startup, &process_) != FALSE;
    }
    ~ViewerProcess() {
        if (!started_)
            return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    ViewerProcess(const ViewerProcess&) = delete;
    ViewerProcess& operator=(const ViewerProcess&) = delete;

    bool started() const { return started_; }

    HWND waitForWindow() const {
        for (int waited = 0; waited < kTimeoutMs; waited += kPollMs) {
            WindowSearch search{process_.dwProcessId, nullptr};
            EnumWindows(&findMainWindow, reinterpret_cast<LPARAM>(&search));
            if (search.found)
                return search.found;
            Sleep(kPollMs);
        }
        return nullptr;
    }

    // For a failure message: whether the program still runs.
    std::string state() const {
        DWORD code = 0;
        if (GetExitCodeProcess(process_.hProcess, &code) && code == STILL_ACTIVE)
            return "the viewer still runs";
        return "the viewer ended with code " + std::to_string(code);
    }

    // The exit code after the window was closed, or -1 when it did not end.
    long closeAndWait(HWND window) const {
        PostMessageA(window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_.hProcess, kTimeoutMs) != WAIT_OBJECT_0)
            return -1;
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return static_cast<long>(code);
    }

  private:
    bool started_ = false;
    PROCESS_INFORMATION process_{};
};

// The window is found as soon as it exists, perhaps before its controls are made,
// and the chooser is filled only after it shows: look for both on every poll.
int waitForItems(HWND window, int chooserId, int expected) {
    int count = 0;
    for (int waited = 0; waited < kTimeoutMs; waited += kPollMs) {
        const HWND chooser = GetDlgItem(window, chooserId);
        count = chooser ? static_cast<int>(SendMessageA(chooser, CB_GETCOUNT, 0, 0)) : 0;
        if (count == expected)
            break;
        Sleep(kPollMs);
    }
    return count;
}

TEST(StartWithLabelTest, TheProgramOpensTheLabelNamedOnItsCommandLine) {
    TempDir dir;
    // A folder with a space and a Shift-JIS name whose first trail byte is 0x5C.
    const std::string folder = dir.path() + "表示 データ";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string label = folder + "\\SCENE.LAB";
    const std::string labelBytes =
        labelText({{"Satellite : SYNTH-7", "Sensor : MSR", "Logical Format : SAMPLE-FAST"}});
    const std::string product = folder + "\\SCENE";
    ASSERT_TRUE(CreateDirectoryA(product.c_str(), nullptr));
    const std::pair<std::string, std::string> files[] = {
        {label, labelBytes},
        {product + "\\L7X_HRF.FST", fastHeader("4 ", "3 ")},
        {product + "\\L7X_B10.FST", std::string(12, '\x10')},
        {product + "\\L7X_B30.FST", std::string(12, '\x30')},
    };
    for (const auto& [path, bytes] : files) {
        platform::File file;
        ASSERT_TRUE(file.open(path, platform::File::Mode::Write)) << path;
        ASSERT_TRUE(file.write(bytes.data(), bytes.size()));
        ASSERT_TRUE(file.close());
    }

    const ViewerProcess viewer("\"" + viewerPath() + "\" \"" + label + "\"");
    ASSERT_TRUE(viewer.started()) << viewerPath();
    const HWND window = viewer.waitForWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(waitForItems(window, 100, 3), 3) << viewer.state();
    const HWND chooser = GetDlgItem(window, 100);
    // Read as UTF-16: Wine hands an ANSI request for another process's item back in
    // UTF-16 without converting it.
    wchar_t name[64] = {};
    SendMessageW(chooser, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(name));
    wchar_t expected[64] = {};
    MultiByteToWideChar(932, 0, "バンド3 (赤)", -1, expected, 64);
    EXPECT_EQ(std::wstring(name), std::wstring(expected));
    EXPECT_EQ(SendMessageA(chooser, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(viewer.closeAndWait(window), 0);
}

}  // namespace
}  // namespace qm::test
