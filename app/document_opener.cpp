#include "app/document_opener.h"

#include <shellapi.h>

#include <utility>

namespace qm {
namespace {

DocumentOpener& currentOpener() {
    static DocumentOpener opener;
    return opener;
}

// ShellExecute reports success with a value above 32.
bool shellOpen(HWND owner, const std::string& path) {
    const HINSTANCE result =
        ShellExecuteA(owner, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace

bool openDocument(HWND owner, const std::string& path) {
    if (const DocumentOpener& opener = currentOpener())
        return opener(owner, path);
    return shellOpen(owner, path);
}

DocumentOpener setDocumentOpener(DocumentOpener opener) {
    return std::exchange(currentOpener(), std::move(opener));
}

}  // namespace qm
