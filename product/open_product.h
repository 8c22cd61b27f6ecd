// Opening a product, in two halves: the label file parsed and the catalogue reset to
// the label's path, then the catalogue configured from the label's satellite, sensor
// and logical format and its bands discovered. The viewer calls the halves itself,
// after letting its view go of the old product's bands; everything else runs both
// through OpenedProduct.
#pragma once

#include <string>

#include "product/label_file.h"
#include "product/product_catalog.h"

namespace qm {

// Parses the label file at the path (program form, full or relative to the current
// directory) and resets the catalogue to that path, whatever the parse gave. The
// parse result.
LabelParseResult readProductLabel(const std::string& labelPath, LabelFile& label,
                                  ProductCatalog& catalog);

// Configures the catalogue from the label (which must outlive the catalogue's use of
// its texts) and discovers the bands. True when discovery ran to its end.
bool discoverProductBands(const LabelFile& label, ProductCatalog& catalog);

// Opens the product the path names, a label or a Landsat 7 header: the label is
// parsed and the bands discovered, or the label emptied and the scene opened. The
// label's parse result (Ok for a scene).
LabelParseResult openProductFile(const std::string& path, LabelFile& label,
                                 ProductCatalog& catalog);

// A product opened by its label or header, with what that gave.
class OpenedProduct {
  public:
    // Reads the configuration file at configurationPath. labelPath may name a
    // Landsat 7 header instead.
    OpenedProduct(std::string labelPath, std::string configurationPath);
    OpenedProduct(const OpenedProduct&) = delete;
    OpenedProduct& operator=(const OpenedProduct&) = delete;

    const std::string& labelPath() const { return labelPath_; }
    LabelParseResult parseResult() const { return parseResult_; }
    bool labelRead() const { return parseResult_ == LabelParseResult::Ok; }
    bool discovered() const { return catalog_.outcome().stop == DiscoveryStop::Completed; }
    const LabelFile& label() const { return label_; }
    const ProductCatalog& catalog() const { return catalog_; }

  private:
    std::string labelPath_;
    // The catalogue borrows the label's value texts, so the label is declared first
    // and outlives it.
    LabelFile label_;
    ProductCatalog catalog_;
    LabelParseResult parseResult_;
};

}  // namespace qm
