#include "view/picture_georeference.h"

#include "product/product_catalog.h"
#include "view/image_view.h"

namespace qm {

std::optional<BandGeoreference> pictureGeoreference(const ImageView& view,
                                                    const ProductCatalog& catalog) {
    const BandImage* band = view.firstShownBand();
    if (!band)
        return std::nullopt;
    return bandGeoreference(catalog, catalog.indexOf(band));
}

}  // namespace qm
