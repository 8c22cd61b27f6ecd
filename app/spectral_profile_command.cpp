// Command 40032: placeholder until the profile window is written.
#include "app/main_window.h"

namespace qm {

void MainWindow::toggleSpectralProfile() {}

}  // namespace qm
