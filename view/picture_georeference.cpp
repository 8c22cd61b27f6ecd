#include "view/picture_georeference.h"

#include "product/product_catalog.h"
#include "view/image_view.h"

namespace qm {

std::optional<BandGeoreference> pictureGeoreference(const ImageView& view,
                                                    const ProductCatalog& catalog) {
    for (int k = 0; k < ImageView::kChannelCount; ++k) {
        if (const BandImage* band = view.shownBand(k))
            return bandGeoreference(catalog, catalog.indexOf(band));
    }
    return std::nullopt;
}

}  // namespace qm
