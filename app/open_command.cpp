// Command 40001: the user picks a product's label file; the product is read and
// the band choosers are filled with its bands.
#include <memory>
#include <new>

#include "app/label_file_chooser.h"
#include "app/main_window.h"
#include "app/texts.h"
#include "platform/platform.h"
#include "product/no_band_reason.h"
#include "product/open_product.h"
#include "res/resource.h"
#include "view/texts.h"

namespace qm {
namespace {

constexpr DWORD kPathCapacity = platform::kMaxPath;

}  // namespace

// A product the catalogue cannot read leaves the choosers with "do not display"
// alone, and a box says why.
void MainWindow::openProduct() {
    std::unique_ptr<char[]> path(new (std::nothrow) char[kPathCapacity + 1]);
    if (!path)
        return;
    path[0] = '\0';
    LabelFileChooser chooser;
    if (chooser.choose(window_, path.get(), kPathCapacity))
        openProductPath(path.get());
}

// What the open command does with the label file chosen in its dialog; the command
// line and a dropped file come the same way. The box that says why no band was
// found runs under the guard, whoever asked for the open.
void MainWindow::openProductPath(const char* path) {
    const ModalGuard::Hold opening = modal_.hold();
    const LabelParseResult parseResult = readProduct(path);
    fillBandChoosers();
    EnableMenuItem(GetMenu(window_), IDM_PRODUCT_INFO, MF_BYCOMMAND | MF_ENABLED);
    explainNoBand(parseResult);
}

// The view lets go of the old product's bands before the catalogue drops them, and
// starts again at zoom 1 and origin (0, 0) without a picture: the bars follow, and
// the image area and the panels are erased, so nothing of the old picture stays.
LabelParseResult MainWindow::readProduct(const char* labelPath) {
    view_->setChannels(nullptr, nullptr, nullptr);
    pixelText_.setGeoreference(std::nullopt);
    // The profile lets go of the old product's bands with the view.
    profile_.unpin();
    profile_.clear();
    startScrollingAgain(0, 0);
    InvalidateRect(window_, nullptr, TRUE);
    return openProductFile(labelPath, *label_, *catalog_);
}

void MainWindow::fillBandChoosers() {
    const int count = catalog_->bandCount();
    for (HWND combo : bandCombos_) {
        while (SendMessageA(combo, CB_DELETESTRING, 0, 0) > 0) {
        }
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(texts::kNoBand));
        for (int j = 0; j < count; ++j)
            SendMessageA(combo, CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(catalog_->band(j)->bandName().c_str()));
        SendMessageA(combo, CB_SETCURSEL, 0, 0);
    }
}

// Users meet this first: a product whose format the configuration lacks. The box
// names what to change.
void MainWindow::explainNoBand(LabelParseResult parseResult) {
    const std::optional<std::string> reason =
        noBandReason(parseResult, *catalog_, texts::kNoBandTemplates, verbatimSpelling());
    if (reason)
        showError(texts::kNoBandFound + *reason);
}

void MainWindow::showError(const std::string& text) {
    platform::messageBox(window_, text, texts::kErrorCaption, platform::kMbIconError);
}

}  // namespace qm
