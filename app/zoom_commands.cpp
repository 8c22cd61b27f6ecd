// Commands 40006, 40007, 40010 and 40017: the subsampling factor. The scroll bars
// keep their pages and positions, and the panels stay as they are.
#include "app/main_window.h"

namespace qm {
namespace {

constexpr std::int32_t kLargestStep = 32;

}  // namespace

// A factor above the largest step, which fitting a large picture can give, still
// comes down one at a time.
void MainWindow::zoomIn() {
    const std::int32_t factor = view_->zoom();
    if (factor == 1)
        return;
    view_->setZoom(factor - 1);
    invalidateImageArea();
}

void MainWindow::zoomOut() {
    const std::int32_t factor = view_->zoom();
    if (factor == kLargestStep)
        return;
    view_->setZoom(factor + 1);
    invalidateImageArea();
}

void MainWindow::zoomToFit() {
    view_->fitToWindow();
    invalidateImageArea();
}

void MainWindow::zoomActualSize() {
    view_->setZoom(1);
    invalidateImageArea();
}

}  // namespace qm
