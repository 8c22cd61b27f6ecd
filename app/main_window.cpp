#include "app/main_window.h"

#include <utility>

#include "res/resource.h"

namespace qm {

MainWindow::MainWindow(std::string configurationPath)
    : view_(std::make_unique<ImageView>()),
      catalog_(std::make_unique<ProductCatalog>(std::move(configurationPath))),
      label_(std::make_unique<LabelFile>()) {}

// The members go in reverse order of declaration: label, catalogue, view.
MainWindow::~MainWindow() = default;

ATOM MainWindow::registerClass(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = &MainWindow::windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, kIconName);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = kMenuName;
    windowClass.lpszClassName = kClassName;
    return RegisterClassA(&windowClass);
}

bool MainWindow::createWindow(HINSTANCE instance) {
    window_ = CreateWindowExA(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, kWidth, kHeight, nullptr, nullptr, instance, this);
    if (!window_)
        return false;
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    return true;
}

// Every message goes to one handler; the object is attached at WM_CREATE, so what
// arrives before that, and after WM_DESTROY, goes to the default procedure.
LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MainWindow* self =
        message == WM_CREATE
            ? attach(window, lParam)
            : reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    // clang-format off
    switch (message) {
        case WM_CREATE:         return self->onCreate(window);
        case WM_DESTROY:        return self->onDestroy();
        case WM_SIZE:           return self->onSize(wParam, lParam);
        case WM_PAINT:          return self->onPaint();
        case WM_CLOSE:          return self->onClose();
        case WM_NOTIFY:         return self->onNotify(wParam, lParam);
        case WM_COMMAND:        return self->onCommand(wParam, lParam);
        case WM_HSCROLL:        return self->onHScroll(wParam, lParam);
        case WM_VSCROLL:        return self->onVScroll(wParam, lParam);
        case WM_MOUSEWHEEL:     return self->onMouseWheel(wParam, lParam, false);
        case WM_MOUSEHWHEEL:    return self->onMouseWheel(wParam, lParam, true);
        case WM_LBUTTONDOWN:    return self->onLButtonDown(lParam);
        case WM_MOUSEMOVE:      return self->onMouseMove(lParam);
        case WM_LBUTTONUP:      return self->onLButtonUp(lParam);
        case WM_CAPTURECHANGED: return self->onCaptureChanged();
        case WM_SETCURSOR:      return self->onSetCursor(wParam, lParam);
        case WM_KEYDOWN:        return self->onKeyDown(wParam, lParam);
        case WM_MOUSELEAVE:     return self->onMouseLeave();
        case WM_DROPFILES:      return self->onDropFiles(wParam);
        default:                return DefWindowProcA(window, message, wParam, lParam);
    }
    // clang-format on
}

// The object comes as the creation parameter and lives in the window's user data.
MainWindow* MainWindow::attach(HWND window, LPARAM createStruct) {
    auto* self =
        static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(createStruct)->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    return self;
}

// Closing asks nothing and saves nothing.
LRESULT MainWindow::onClose() {
    DestroyWindow(window_);
    return 0;
}

// The object lets go of the window, so no later message reaches it.
LRESULT MainWindow::onDestroy() {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    PostQuitMessage(0);
    return 0;
}

// Ids without a command (the band choosers' notifications among them) are ignored,
// and so is every command while another one runs (it waits in a box or dialog).
LRESULT MainWindow::onCommand(WPARAM wParam, LPARAM) {
    if (modal_.held())
        return 0;
    const ModalGuard::Hold running = modal_.hold();
    // clang-format off
    switch (LOWORD(wParam)) {
        case IDM_OPEN:                      openProduct(); break;
        case IDM_QUIT:                      quit(); break;
        case IDM_SAVE_AS:                   saveAs(); break;
        case IDM_ZOOM_IN:                   zoomIn(); break;
        case IDM_ZOOM_OUT:                  zoomOut(); break;
        case IDM_SINGLE_BAND_MODE:          singleBandMode(); break;
        case IDM_THREE_BAND_MODE:           threeBandMode(); break;
        case IDM_ZOOM_TO_FIT:               zoomToFit(); break;
        case IDM_VIEW_DOCUMENT:             viewDocument(); break;
        case IDM_ABOUT:                     showAbout(); break;
        case IDM_AUTO_LEVEL_TRUE_COLOUR:    autoLevelTrueColour(); break;
        case IDM_APPLY_INPUT_LEVELS:        applyInputLevels(); break;
        case IDM_AUTO_LEVEL_NATURAL_COLOUR: autoLevelNaturalColour(); break;
        case IDM_APPLY_BAND_CHANGE:         applyBandChange(); break;
        case IDM_ZOOM_ACTUAL_SIZE:          zoomActualSize(); break;
        case IDM_LINK_LEVELS:               toggleLevelLink(); break;
        case IDM_PRODUCT_INFO:              showProductInfo(); break;
        case IDM_AUTO_LEVEL_CLIP:           autoLevelClip(); break;
        case IDM_AUTO_LEVEL_DEVIATION:      autoLevelDeviation(); break;
        case IDM_SPECTRAL_PROFILE:          toggleSpectralProfile(); break;
        case IDM_COPY:                      copyPicture(); break;
    }
    // clang-format on
    return 0;
}

void MainWindow::quit() {
    SendMessageA(window_, WM_CLOSE, 0, 0);
}

}  // namespace qm
