#include "view/picture_georeference.h"

#include "product/product_catalog.h"
#include "view/image_view.h"

namespace qm {

int pictureBandIndex(const ImageView& view, const ProductCatalog& catalog) {
    const BandImage* band = view.firstShownBand();
    return band ? catalog.indexOf(band) : -1;
}

std::optional<BandGeoreference> pictureGeoreference(const ImageView& view,
                                                    const ProductCatalog& catalog) {
    return bandGeoreference(catalog, pictureBandIndex(view, catalog));
}

}  // namespace qm
