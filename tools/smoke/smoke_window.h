// A top-level window with the menu from the smoke resource script: the smallest
// program that proves a window, a Japanese menu and a message loop work here.
#pragma once

#include <windows.h>

namespace qm::smoke {

class SmokeWindow {
  public:
    static constexpr char kClassName[] = "QuillmereSmokeWindow";
    static constexpr char kMenuName[] = "IDR_SMOKE_MENU";

    SmokeWindow() = default;
    SmokeWindow(const SmokeWindow&) = delete;
    SmokeWindow& operator=(const SmokeWindow&) = delete;
    ~SmokeWindow();

    // Registers the class once and creates the window (hidden). False on failure.
    bool create(HINSTANCE instance, const char* title);
    HWND hwnd() const { return hwnd_; }

  private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void onCommand(WPARAM wParam);
    void onDestroy();

    HWND hwnd_ = nullptr;
};

}  // namespace qm::smoke
