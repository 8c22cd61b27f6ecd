// Command 40003: the shown image at full resolution into a bitmap file the user
// names.
#include "app/file_dialog_request.h"
#include "app/main_window.h"
#include "app/scoped_wait_cursor.h"
#include "app/texts.h"
#include "platform/platform.h"
#include "view/texts.h"

namespace qm {
namespace {

constexpr DWORD kPathCapacity = platform::kMaxPath;

}  // namespace

bool MainWindow::showsAnyBand() const {
    for (int i = 0; i < ImageView::kChannelCount; ++i) {
        if (view_->channel(i))
            return true;
    }
    return false;
}

// With no band shown there is nothing to save and nothing is asked.
void MainWindow::saveAs() {
    if (!showsAnyBand())
        return;
    char path[kPathCapacity + 1] = "";
    OPENFILENAMEA request = bitmapFileRequest(window_, path, kPathCapacity);
    if (!GetSaveFileNameA(&request))
        return;
    bool saved = false;
    {
        const ScopedWaitCursor wait;
        saved = view_->exportBitmap(path);
    }
    if (!saved)
        platform::messageBox(window_, texts::kSaveFailed, texts::kErrorCaption,
                             platform::kMbIconError);
}

}  // namespace qm
