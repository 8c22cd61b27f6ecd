// Command 40032: the spectral profile, every band's value at one pixel of the
// picture, in its tool window. Bands that are not shown are read from their files,
// one byte each, so the profile follows the mouse without loading them.
#include "app/main_window.h"
#include "product/spectral_profile.h"

namespace qm {
namespace {

// The band the shown picture is made of; -1 when nothing is shown.
int referenceBand(const ImageView& view, const ProductCatalog& catalog) {
    const BandImage* band = view.firstShownBand();
    return band ? catalog.indexOf(band) : -1;
}

}  // namespace

void MainWindow::toggleSpectralProfile() {
    if (profile_.isOpen()) {
        profile_.close();
        profilePin_.reset();
        return;
    }
    if (profile_.open(window_, instance_))
        refreshProfile();
}

void MainWindow::followProfile(POINT point) {
    if (!profile_.isOpen() || profilePin_)
        return;
    if (const std::optional<SourcePixel> pixel = pixelAt(point))
        showProfileAt(pixel->column, pixel->line);
}

void MainWindow::pinProfile(POINT point) {
    if (!profile_.isOpen())
        return;
    if (profilePin_) {
        profilePin_.reset();
        followProfile(point);
        return;
    }
    if (const std::optional<SourcePixel> pixel = pixelAt(point)) {
        profilePin_ = std::pair{pixel->column, pixel->line};
        showProfileAt(pixel->column, pixel->line);
    }
}

void MainWindow::refreshProfile() {
    if (profilePin_ && referenceBand(*view_, *catalog_) >= 0)
        showProfileAt(profilePin_->first, profilePin_->second);
    else
        profile_.clear();
}

void MainWindow::showProfileAt(std::int32_t column, std::int32_t line) {
    const int reference = referenceBand(*view_, *catalog_);
    if (reference < 0) {
        profile_.clear();
        return;
    }
    profile_.show(spectralProfile(*catalog_, reference, column, line), column, line);
}

}  // namespace qm
