// Answers the program's modal dialogs from a helper thread, as a user would: the
// file dialogs get a path typed into their file-name field and OK, or Cancel.
// Every wait has a time limit, so a dialog that never shows fails the test
// instead of hanging it.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

namespace qm::test {

// The shown dialog of class "#32770" with this title, or null after `timeoutMs`.
HWND waitForDialog(const std::string& title, int timeoutMs);

// While it lives, waits for the file dialog titled `title`, types `path` into its
// file-name field and presses OK; with an empty path it presses Cancel. When the
// dialog asks whether to replace an existing file, the answer is Yes, or with
// Replace::No it is No and the dialog is cancelled. The destructor waits for the
// helper thread.
class FileDialogAnswer {
  public:
    static constexpr int kTimeoutMs = 15000;
    enum class Replace { Yes, No };

    FileDialogAnswer(std::string title, std::string path, int timeoutMs = kTimeoutMs,
                     Replace replace = Replace::Yes);
    ~FileDialogAnswer();
    FileDialogAnswer(const FileDialogAnswer&) = delete;
    FileDialogAnswer& operator=(const FileDialogAnswer&) = delete;

    // Whether the dialog showed and was answered (valid after the dialog's command).
    bool answered();
    // Whether the dialog asked before replacing a file (valid after the command).
    bool askedToReplace();

  private:
    void run();
    // Waits a little for the dialog to go or to ask; true when it asked and was answered.
    bool answerQuestion(HWND dialog);

    std::string title_;
    std::string path_;
    int timeoutMs_;
    Replace replace_;
    std::atomic<bool> answered_{false};
    std::atomic<bool> asked_{false};
    std::thread thread_;
};

}  // namespace qm::test
