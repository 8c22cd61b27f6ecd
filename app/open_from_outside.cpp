// A label file or a Landsat 7 header that comes from outside the program: named on
// its command line (as a file association starts it) or dropped on its window. It
// opens as if chosen in the open dialog.
#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>

#include "app/main_window.h"
#include "app/product_path.h"
#include "platform/platform.h"

namespace qm {
namespace {

// The file index that asks DragQueryFileA for the number of files dropped.
constexpr UINT kDroppedFileCount = 0xFFFFFFFF;

// The one file of a drop, none when several came.
std::optional<std::string> singleDroppedFile(HDROP drop) {
    if (DragQueryFileA(drop, kDroppedFileCount, nullptr, 0) != 1)
        return std::nullopt;
    const UINT length = DragQueryFileA(drop, 0, nullptr, 0);
    std::string path(length + 1, '\0');
    path.resize(DragQueryFileA(drop, 0, path.data(), length + 1));
    return path;
}

}  // namespace

// A relative path is made full, so the messages name the whole path.
void MainWindow::openFromCommandLine(const char* commandLine) {
    const std::optional<std::string> path =
        productPathFromCommandLine(commandLine ? commandLine : "");
    if (!path)
        return;
    const std::string full = platform::fullPath(platform::fromNativePath(*path));
    if (!full.empty())
        openProductPath(full.c_str());
}

// A drop while a command waits in its dialog or message box is ignored like a
// command: opening would free the bands that command still uses.
LRESULT MainWindow::onDropFiles(WPARAM drop) {
    const std::optional<std::string> path = singleDroppedFile(reinterpret_cast<HDROP>(drop));
    DragFinish(reinterpret_cast<HDROP>(drop));
    if (!path || !isProductPath(*path) || modal_.held())
        return 0;
    openProductPath(path->c_str());
    return 0;
}

}  // namespace qm
