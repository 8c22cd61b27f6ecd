// Commands 40030 and 40031: placeholders until the stretches are written.
#include "app/main_window.h"

namespace qm {

void MainWindow::autoLevelClip() {}
void MainWindow::autoLevelDeviation() {}

}  // namespace qm
