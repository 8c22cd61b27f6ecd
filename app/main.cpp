// The program: one main window, its message loop, and nothing kept afterwards.
#include <windows.h>

#include <memory>

#include "app/main_window.h"
#include "app/message_step.h"

namespace {

// No idle work: shortcuts, then translate and dispatch until the quit message. A
// table loaded from the resources needs no destroying.
void runMessageLoop(HINSTANCE instance, HWND mainWindow) {
    const HACCEL shortcuts = LoadAcceleratorsA(instance, qm::kShortcutsName);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        qm::handleMessage(message, mainWindow, shortcuts);
}

}  // namespace

// The window is always shown in its normal state, whatever the show command; a
// label file named on the command line opens once it is shown. The quit message's
// code is not used.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int) {
    auto mainWindow = std::make_unique<qm::MainWindow>();
    if (!previous && !mainWindow->registerClass(instance))
        return 0;
    if (mainWindow->createWindow(instance)) {
        mainWindow->openFromCommandLine(commandLine);
        runMessageLoop(instance, mainWindow->window());
    }
    return 0;
}
