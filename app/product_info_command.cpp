// Command 40034: what the open product is: the label's pairs, what its fast-format
// headers say of the scene, its projection and the sun, its bands with their files,
// geometry and calibration, and the files its headers name that are missing.
#include "app/main_window.h"
#include "app/product_info_dialog.h"
#include "app/texts.h"
#include "product/product_facts.h"

namespace qm {

void MainWindow::showProductInfo() {
    if (catalog_->labelPath().empty())
        return;
    const std::string text =
        factsText(productFacts(*label_, *catalog_), texts::kFactWords, verbatimSpelling(), "\r\n");
    showProductInfoDialog(instance_, window_, text);
}

}  // namespace qm
