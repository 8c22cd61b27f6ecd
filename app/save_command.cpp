// Command 40003: the shown image at full resolution into a bitmap file the user
// names. The dialog asks before an existing file is replaced; the file is written
// whole beside its place and only then takes it, so a failure leaves the old file
// as it was; and no file of the open product is ever written over.
#include "app/file_dialog_request.h"
#include "app/main_window.h"
#include "app/scoped_wait_cursor.h"
#include "app/texts.h"
#include "platform/platform.h"
#include "product/georeference_files.h"
#include "view/picture_georeference.h"
#include "view/texts.h"

namespace qm {
namespace {

constexpr DWORD kPathCapacity = platform::kMaxPath;

const char* saveFailureReason(platform::WriteFailure failure) {
    switch (failure) {
        case platform::WriteFailure::FolderMissing:
            return texts::kSaveFolderMissing;
        case platform::WriteFailure::AccessDenied:
            return texts::kSaveAccessDenied;
        case platform::WriteFailure::DiskFull:
            return texts::kSaveDiskFull;
        case platform::WriteFailure::NameTooLong:
            return texts::kSaveNameTooLong;
        case platform::WriteFailure::IsFolder:
            return texts::kSaveIsFolder;
        case platform::WriteFailure::None:
        case platform::WriteFailure::Other:
            break;
    }
    return texts::kSaveOtherFailure;
}

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
    const std::optional<BandGeoreference> georeference = pictureGeoreference(*view_, *catalog_);
    for (const std::string& file : exportedFiles(path, georeference.has_value())) {
        if (catalog_->holdsFile(file)) {
            showError(std::string(texts::kSaveOverProduct) + file);
            return;
        }
    }
    // A georeferenced picture lands in the right place in a GIS: its world file
    // and auxiliary XML go beside it.
    if (saveFile(path, [&] { return view_->exportBitmap(path); }) && georeference)
        saveFile(worldFilePath(path), [&] { return writeGeoreferenceFiles(path, *georeference); });
}

// Shows why a file could not be written; the old one stays as it was. True when written.
bool MainWindow::saveFile(const std::string& path,
                          const std::function<platform::WriteFailure()>& write) {
    platform::WriteFailure failure = platform::WriteFailure::None;
    {
        const ScopedWaitCursor wait;
        failure = write();
    }
    if (failure != platform::WriteFailure::None)
        showError(std::string(texts::kSaveFailed) + "\n" + saveFailureReason(failure) + "\n" +
                  texts::kSaveKeptOld + path);
    return failure == platform::WriteFailure::None;
}

}  // namespace qm
