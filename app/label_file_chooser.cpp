#include "app/label_file_chooser.h"

#include "app/file_dialog_request.h"

namespace qm {

bool LabelFileChooser::choose(HWND owner, char* buffer, DWORD size) {
    OPENFILENAMEA request = labelFileRequest(owner, buffer, size);
    request.lpfnHook = &LabelFileChooser::chooserHook;
    return GetOpenFileNameA(&request) != FALSE;
}

UINT_PTR CALLBACK LabelFileChooser::chooserHook(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

}  // namespace qm
