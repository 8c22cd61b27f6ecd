#include "app/file_dialog_request.h"

#include "app/texts.h"

namespace qm {
namespace {

constexpr DWORD kLabelFileFlags =
    OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_ENABLEHOOK | OFN_HIDEREADONLY;
// A save dialog that insisted on an existing file could refuse a new name; an
// existing one is replaced only when the user says so.
constexpr DWORD kBitmapFileFlags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;

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

}  // namespace

OPENFILENAMEA labelFileRequest(HWND owner, char* buffer, DWORD size) {
    return fileDialogRequest(owner, texts::kLabelFilter, buffer, size, texts::kOpenTitle,
                             kLabelFileFlags, "LAB");
}

OPENFILENAMEA bitmapFileRequest(HWND owner, char* buffer, DWORD size) {
    return fileDialogRequest(owner, texts::kBitmapFilter, buffer, size, texts::kSaveTitle,
                             kBitmapFileFlags, "BMP");
}

}  // namespace qm
