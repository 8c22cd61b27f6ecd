// Commands 40006, 40007, 40010 and 40017: the subsampling factor, and the scroll
// bars' pages that follow it. The panels stay as they are.
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
    zoomChanged();
}

void MainWindow::zoomOut() {
    const std::int32_t factor = view_->zoom();
    if (factor == kLargestStep)
        return;
    view_->setZoom(factor + 1);
    zoomChanged();
}

void MainWindow::zoomToFit() {
    view_->fitToWindow();
    zoomChanged();
}

void MainWindow::zoomActualSize() {
    view_->setZoom(1);
    zoomChanged();
}

// A page shows as many more source pixels as the zoom steps over; a position that
// the new page leaves out of reach comes back to the last reachable one.
// A drag under way goes on from the new zoom's positions.
void MainWindow::zoomChanged() {
    fitScrollBars();
    if (drag_.active())
        drag_.regrab(reachedPosition(true), reachedPosition(false));
    invalidateImageArea();
}

}  // namespace qm
