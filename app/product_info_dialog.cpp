#include "app/product_info_dialog.h"

#include "res/resource.h"

namespace qm {
namespace {

INT_PTR CALLBACK productInfoProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetDlgItemTextA(dialog, IDC_PRODUCT_INFO_TEXT, reinterpret_cast<const char*>(lParam));
            // OK takes the focus, so the text is not shown all selected.
            SetFocus(GetDlgItem(dialog, IDOK));
            return FALSE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, LOWORD(wParam));
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

void showProductInfoDialog(HINSTANCE instance, HWND owner, const std::string& text) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_PRODUCT_INFO), owner, &productInfoProc,
                    reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace qm
