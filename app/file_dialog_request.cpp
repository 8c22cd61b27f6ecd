#include "app/file_dialog_request.h"

namespace qm {

OPENFILENAMEA fileDialogRequest(HWND owner, const char* filter, char* buffer, DWORD size,
                                const char* title, DWORD flags, const char* defaultExtension) {
    OPENFILENAMEA request{};
    request.lStructSize = kFileDialogRequestSize;
    request.hwndOwner = owner;
    request.lpstrFilter = filter;
    request.lpstrFile = buffer;
    request.nMaxFile = size;
    request.lpstrTitle = title;
    request.Flags = flags;
    request.lpstrDefExt = defaultExtension;
    return request;
}

}  // namespace qm
