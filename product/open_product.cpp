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

bool opensScene(std::string_view path) {
    return isLandsatHeaderName(path);
}

LabelParseResult openProductFile(const std::string& path, LabelFile& label,
                                 ProductCatalog& catalog) {
    if (opensScene(path)) {
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
      parseResult_(openProductFile(labelPath_, label_, catalog_)),
      discovered_(catalog_.outcome().stop == DiscoveryStop::Completed) {}

}  // namespace qm
