// The open command's file dialog: the user picks a product's label file. The
// chooser lives only while its dialog runs; the main window keeps a pointer to it
// so that a second open command during the dialog starts no other dialog.
#pragma once

#include <windows.h>

namespace qm {

class LabelFileChooser {
  public:
    // Runs the open dialog owned by `owner`. True when the user chose an existing
    // file, whose full path is then in `buffer` (of `size` bytes, an empty text on
    // entry); false when the user cancelled or the dialog failed.
    bool choose(HWND owner, char* buffer, DWORD size);

  private:
    // Leaves every message to the dialog's own processing.
    static UINT_PTR CALLBACK chooserHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace qm
