#include "app/label_file_chooser.h"

#include "app/file_dialog_request.h"
#include "app/texts.h"

namespace qm {
namespace {

// OFN_EXPLORER, OFN_FILEMUSTEXIST, OFN_ENABLEHOOK and OFN_HIDEREADONLY.
constexpr DWORD kOpenFlags = 0x81024;

}  // namespace

bool LabelFileChooser::choose(HWND owner, char* buffer, DWORD size) {
    owner_ = owner;
    OPENFILENAMEA request = fileDialogRequest(owner, texts::kLabelFilter, buffer, size,
                                              texts::kOpenTitle, kOpenFlags, "LAB");
    request.lpfnHook = &LabelFileChooser::chooserHook;
    request.lCustData = reinterpret_cast<LPARAM>(this);
    return GetOpenFileNameA(&request) != FALSE;
}

UINT_PTR CALLBACK LabelFileChooser::chooserHook(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

}  // namespace qm
