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

struct OwnedBoxSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK findOwnedBox(HWND window, LPARAM search) {
    auto* box = reinterpret_cast<OwnedBoxSearch*>(search);
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, "#32770") != 0 || GetWindow(window, GW_OWNER) != box->owner ||
        !IsWindowVisible(window))
        return TRUE;
    box->found = window;
    return FALSE;
}

// The message box a file dialog shows on top of itself (the question whether to
// replace a file), or null.
HWND boxOwnedBy(HWND dialog) {
    OwnedBoxSearch search{dialog, nullptr};
    EnumWindows(&findOwnedBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

// A dialog can be found while it is still being built; it shows only once its
// controls hold what it starts with.
HWND waitForDialog(const std::string& title, int timeoutMs) {
    for (int waited = 0; waited < timeoutMs; waited += kPollMs) {
        const HWND dialog = FindWindowA("#32770", title.c_str());
        if (dialog && IsWindowVisible(dialog))
            return dialog;
        Sleep(kPollMs);
    }
    return nullptr;
}

FileDialogAnswer::FileDialogAnswer(std::string title, std::string path, int timeoutMs,
                                   Replace replace)
    : title_(std::move(title)),
      path_(std::move(path)),
      timeoutMs_(timeoutMs),
      replace_(replace),
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

bool FileDialogAnswer::askedToReplace() {
    if (thread_.joinable())
        thread_.join();
    return asked_;
}

bool FileDialogAnswer::answerQuestion(HWND dialog) {
    for (int waited = 0; waited < kRetryMs && IsWindow(dialog); waited += kPollMs) {
        if (const HWND box = boxOwnedBy(dialog)) {
            asked_ = true;
            PostMessageA(box, WM_COMMAND, replace_ == Replace::Yes ? IDYES : IDNO, 0);
            while (IsWindow(box))
                Sleep(kPollMs);
            if (replace_ == Replace::No)
                PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            return true;
        }
        Sleep(kPollMs);
    }
    return false;
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
    // name again: the name and OK are given until the dialog has gone. A question
    // that came late is answered rather than asked a second time.
    for (int waited = 0; waited < kDialogTimeoutMs && IsWindow(dialog); waited += kRetryMs) {
        const HWND field = waitForFileNameField(dialog);
        if (!field)
            return;
        if (!boxOwnedBy(dialog)) {
            SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path_.c_str()));
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
            answered_ = true;
        }
        // A question is answered once; the dialog then goes (or is cancelled).
        if (answerQuestion(dialog)) {
            for (int gone = 0; gone < kDialogTimeoutMs && IsWindow(dialog); gone += kPollMs)
                Sleep(kPollMs);
            return;
        }
    }
}

}  // namespace qm::test
