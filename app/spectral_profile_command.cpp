// Command 40032: the spectral profile, every band's value at one pixel of the
// picture, in its tool window. Bands that are not shown are read from their files,
// one byte each, so the profile follows the mouse without loading them.
#include "app/main_window.h"
#include "product/spectral_profile.h"
#include "view/picture_georeference.h"

namespace qm {

void MainWindow::toggleSpectralProfile() {
    if (profile_.isOpen()) {
        profile_.close();
        return;
    }
    if (profile_.open(window_, instance_))
        refreshProfile();
}

// The bands are read again only when the cursor reaches another pixel: at a
// magnification many moves stay on one.
void MainWindow::followProfile(POINT point) {
    if (!profile_.isOpen() || profile_.pinned())
        return;
    const std::optional<SourcePixel> pixel = pixelAt(point);
    if (pixel && profile_.pixel() != SpectralProfileWindow::Place{pixel->column, pixel->line})
        showProfileAt(pixel->column, pixel->line);
}

void MainWindow::pinProfile(POINT point) {
    if (!profile_.isOpen())
        return;
    if (profile_.pinned()) {
        profile_.unpin();
        followProfile(point);
        return;
    }
    if (const std::optional<SourcePixel> pixel = pixelAt(point)) {
        profile_.pin({pixel->column, pixel->line});
        showProfileAt(pixel->column, pixel->line);
    }
}

void MainWindow::refreshProfile() {
    if (const std::optional<SpectralProfileWindow::Place>& pin = profile_.pinned())
        showProfileAt(pin->first, pin->second);
    else
        profile_.clear();
}

void MainWindow::showProfileAt(std::int32_t column, std::int32_t line) {
    const int reference = pictureBandIndex(*view_, *catalog_);
    if (reference < 0) {
        profile_.clear();
        return;
    }
    profile_.show(spectralProfile(*catalog_, reference, column, line), column, line);
}

}  // namespace qm
