// Product information's dialog: one read-only, selectable text and OK.
#pragma once

#include <windows.h>

#include <string>

namespace qm {

// Runs the modal dialog owned by `owner` with the text (lines ending in CR LF).
void showProductInfoDialog(HINSTANCE instance, HWND owner, const std::string& text);

}  // namespace qm
