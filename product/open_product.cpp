#include "product/open_product.h"

#include <utility>

namespace qm {

LabelParseResult readProductLabel(const std::string& labelPath, LabelFile& label,
                                  ProductCatalog& catalog) {
    const LabelParseResult result = label.parse(labelPath);
    catalog.reset(labelPath);
    return result;
}

bool discoverProductBands(const LabelFile& label, ProductCatalog& catalog) {
    catalog.readConfiguration(label.satellite(), label.sensor(), label.logicalFormat());
    return catalog.discoverBands();
}

OpenedProduct::OpenedProduct(std::string labelPath, std::string configurationPath)
    : labelPath_(std::move(labelPath)),
      catalog_(std::move(configurationPath)),
      parseResult_(readProductLabel(labelPath_, label_, catalog_)),
      discovered_(discoverProductBands(label_, catalog_)) {}

}  // namespace qm
