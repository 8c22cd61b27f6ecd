#include "tests/win32/dialog_driver.h"

namespace qm::test {
namespace {

constexpr int kDialogTimeoutMs = 15000;
constexpr int kPollMs = 20;
constexpr int kRetryMs = 300;
// The file-name field: a combo box with an edit inside, or a plain edit.
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;

BOOL CALLBACK findEdit(HWND child, LPARAM found) {
    char name[16] = "";
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, "Edit") != 0 || !IsWindowVisible(child))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

// The file-name field: a combo box with an edit inside, or a plain edit; failing
// both, the dialog's one visible edit.
HWND fileNameField(HWND dialog) {
    if (const HWND combo = GetDlgItem(dialog, kFileNameCombo)) {
        if (const HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr))
            return edit;
    }
    if (const HWND edit = GetDlgItem(dialog, kFileNameEdit))
        return edit;
    HWND found = nullptr;
    EnumChildWindows(dialog, &findEdit, reinterpret_cast<LPARAM>(&found));
    return found;
}

// The file dialog builds its controls while it starts: wait until the field is there
// and the dialog shows.
HWND waitForFileNameField(HWND dialog) {
    for (int waited = 0; waited < kDialogTimeoutMs && IsWindow(dialog); waited += kPollMs) {
        const HWND field = fileNameField(dialog);
        if (field && IsWindowVisible(dialog))
            return field;
        Sleep(kPollMs);
    }
    return nullptr;
}

}  // namespace

HWND waitForDialog(const std::string& title, int timeoutMs) {
    for (int waited = 0; waited < timeoutMs; waited += kPollMs) {
        if (const HWND dialog = FindWindowA("#32770", title.c_str()))
            return dialog;
        Sleep(kPollMs);
    }
    return nullptr;
}

FileDialogAnswer::FileDialogAnswer(std::string title, std::string path, int timeoutMs)
    : title_(std::move(title)),
      path_(std::move(path)),
      timeoutMs_(timeoutMs),
      thread_([this] { run(); }) {}

FileDialogAnswer::~FileDialogAnswer() {
    if (thread_.joinable())
        thread_.join();
}

bool FileDialogAnswer::answered() {
    if (thread_.joinable())
        thread_.join();
    return answered_;
}

void FileDialogAnswer::run() {
    const HWND dialog = waitForDialog(title_, timeoutMs_);
    if (!dialog)
        return;
    if (path_.empty()) {
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        answered_ = true;
        return;
    }
    // The dialog may still be filling its fields when it is found, and clear the
    // name again: the name and OK are given until the dialog has gone.
    for (int waited = 0; waited < kDialogTimeoutMs && IsWindow(dialog); waited += kRetryMs) {
        const HWND field = waitForFileNameField(dialog);
        if (!field)
            return;
        SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path_.c_str()));
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        answered_ = true;
        Sleep(kRetryMs);
    }
}

}  // namespace qm::test
