// Commands 40006, 40007, 40010 and 40017: the zoom, and the scroll bars' pages that
// follow it. Zooming in from 1:1 magnifies (2x, 4x, 8x, 16x); zooming out comes back
// to 1:1 and then subsamples. The panels stay as they are.
#include "app/main_window.h"

namespace qm {
namespace {

constexpr std::int32_t kLargestStep = 32;

}  // namespace

// A factor above the largest step, which fitting a large picture can give, still
// comes down one at a time.
void MainWindow::zoomIn() {
    const Zoom zoom = view_->scale();
    if (zoom.magnification >= Zoom::kLargestMagnification)
        return;
    if (zoom.magnified() || zoom.subsample <= 1)
        view_->setMagnification(zoom.magnification * 2);
    else
        view_->setZoom(zoom.subsample - 1);
    zoomChanged();
}

void MainWindow::zoomOut() {
    const Zoom zoom = view_->scale();
    if (zoom.magnified())
        view_->setMagnification(zoom.magnification / 2);
    else if (zoom.subsample == kLargestStep)
        return;
    else
        view_->setZoom(zoom.subsample + 1);
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
