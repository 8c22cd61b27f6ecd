// Command 40033: placeholder until the copy is written.
#include "app/main_window.h"

namespace qm {

void MainWindow::copyPicture() {}

}  // namespace qm
