#include "app/label_file_chooser.h"

#include "app/file_dialog_request.h"

namespace qm {

bool LabelFileChooser::choose(HWND owner, char* buffer, DWORD size) {
    owner_ = owner;
    OPENFILENAMEA request = labelFileRequest(owner, buffer, size);
    request.lpfnHook = &LabelFileChooser::chooserHook;
    request.lCustData = reinterpret_cast<LPARAM>(this);
    return GetOpenFileNameA(&request) != FALSE;
}

UINT_PTR CALLBACK LabelFileChooser::chooserHook(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

}  // namespace qm
