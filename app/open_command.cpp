// Command 40001: the user picks a product's label file; the product is read and
// the band choosers are filled with its bands.
#include <memory>
#include <new>

#include "app/label_file_chooser.h"
#include "app/main_window.h"
#include "app/texts.h"
#include "platform/platform.h"
#include "product/open_product.h"

namespace qm {
namespace {

constexpr DWORD kPathCapacity = platform::kMaxPath;

}  // namespace

// An open command that arrives while the dialog of another one runs only refills
// the choosers. Nothing read from the product is examined here: a product the
// catalogue cannot read leaves the choosers with "do not display" alone.
void MainWindow::openProduct() {
    if (chooser_) {
        fillBandChoosers();
        return;
    }
    std::unique_ptr<char[]> path(new (std::nothrow) char[kPathCapacity + 1]);
    if (!path)
        return;
    path[0] = '\0';
    LabelFileChooser chooser;
    chooser_ = &chooser;
    const bool chosen = chooser.choose(window_, path.get(), kPathCapacity);
    chooser_ = nullptr;
    if (chosen)
        openLabelFile(path.get());
}

// What the open command does with the label file chosen in its dialog; the command
// line and a dropped file come the same way.
void MainWindow::openLabelFile(const char* labelPath) {
    readProduct(labelPath);
    discoverProductBands(*label_, *catalog_);
    fillBandChoosers();
}

// The view lets go of the old product's bands before the catalogue drops them, and
// starts again at zoom 1 and origin (0, 0) without a picture: the bars follow, and
// the image area and the panels are erased, so nothing of the old picture stays.
void MainWindow::readProduct(const char* labelPath) {
    view_->setChannels(nullptr, nullptr, nullptr);
    startScrollingAgain(0, 0);
    InvalidateRect(window_, nullptr, TRUE);
    readProductLabel(labelPath, *label_, *catalog_);
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

}  // namespace qm
