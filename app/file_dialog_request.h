// The request record of the common file dialogs, in the older form that ends
// after the template name. Its size differs between the 32-bit build (76 bytes)
// and the 64-bit one; the dialogs accept the older form in both.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <cstddef>

namespace qm {

// OPENFILENAME_SIZE_VERSION_400A, in a form the compiler can check.
inline constexpr DWORD kFileDialogRequestSize =
    offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(OPENFILENAMEA::lpTemplateName);

#ifdef _WIN64
static_assert(kFileDialogRequestSize == 136);
#else
static_assert(kFileDialogRequestSize == 76);
#endif

// Each request is owned by `owner`, with one filter pair, a title and a default
// extension, and writes the chosen path into `buffer` of `size` bytes.

// The open command's request: the name of an existing label file. The chooser adds
// its hook procedure.
OPENFILENAMEA labelFileRequest(HWND owner, char* buffer, DWORD size);

// The save command's request: the name of a bitmap file, new or existing; the
// dialog asks before an existing one is replaced.
OPENFILENAMEA bitmapFileRequest(HWND owner, char* buffer, DWORD size);

}  // namespace qm
