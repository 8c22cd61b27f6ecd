// Opens a document in the program the system associates with its kind, as the
// shell's "open" verb does.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace qm {

// True when the system started a viewer for the file.
using DocumentOpener = std::function<bool(HWND owner, const std::string& path)>;

bool openDocument(HWND owner, const std::string& path);

// Installs the opener that answers every openDocument call from now on (tests, which
// must not start a viewer); an empty one restores the system's. Returns the one it
// replaces.
DocumentOpener setDocumentOpener(DocumentOpener opener);

}  // namespace qm
