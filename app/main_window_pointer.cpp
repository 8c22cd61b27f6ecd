// WM_MOUSEMOVE and WM_MOUSELEAVE: the toolbar's pixel text follows the cursor over
// the picture and empties when the cursor leaves the window.
#include <windowsx.h>

#include "app/main_window.h"

namespace qm {

LRESULT MainWindow::onMouseMove(LPARAM point) {
    pixelText_.pointerMoved(window_, POINT{GET_X_LPARAM(point), GET_Y_LPARAM(point)}, *view_);
    return 0;
}

LRESULT MainWindow::onMouseLeave() {
    pixelText_.pointerLeft();
    return 0;
}

}  // namespace qm
