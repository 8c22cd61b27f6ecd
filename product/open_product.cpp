#include "product/open_product.h"

#include <utility>

#include "product/landsat_scene.h"

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

LabelParseResult openProductFile(const std::string& path, LabelFile& label,
                                 ProductCatalog& catalog) {
    if (isLandsatHeaderName(path)) {
        label.clear();
        catalog.openScene(path);
        return LabelParseResult::Ok;
    }
    const LabelParseResult result = readProductLabel(path, label, catalog);
    discoverProductBands(label, catalog);
    return result;
}

OpenedProduct::OpenedProduct(std::string labelPath, std::string configurationPath)
    : labelPath_(std::move(labelPath)),
      catalog_(std::move(configurationPath)),
      parseResult_(openProductFile(labelPath_, label_, catalog_)) {}

}  // namespace qm
