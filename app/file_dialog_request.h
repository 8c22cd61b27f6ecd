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

// A request owned by `owner` with one filter pair, a title and a default
// extension, writing the chosen path into `buffer` of `size` bytes.
OPENFILENAMEA fileDialogRequest(HWND owner, const char* filter, char* buffer, DWORD size,
                                const char* title, DWORD flags, const char* defaultExtension);

}  // namespace qm
