// Commands 40030 and 40031: the stretches most viewers offer, each shown channel by
// its own band's histogram, applied as the true-colour levels are. They show no box:
// with nothing shown there is nothing to stretch, and the levels stay.
#include "app/main_window.h"
#include "view/band_change.h"

namespace qm {
namespace {

// "2%クリップ": between the 2nd and the 98th percentiles.
constexpr double kClipPercent = 2.0;
// "平均±2σ": two deviations either side of the mean.
constexpr double kDeviations = 2.0;

}  // namespace

void MainWindow::autoLevelClip() {
    if (applyClippedLevels(*view_, levels_, kClipPercent))
        applyInputLevels();
}

void MainWindow::autoLevelDeviation() {
    if (applyDeviationLevels(*view_, levels_, kDeviations))
        applyInputLevels();
}

}  // namespace qm
