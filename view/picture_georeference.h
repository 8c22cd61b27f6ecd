// Where the picture the view shows lies on the map: the grid of its first shown
// band (every shown band has that band's size).
#pragma once

#include <optional>

#include "product/georeference.h"

namespace qm {

class ImageView;
class ProductCatalog;

// Nothing when no band is shown or the product is not georeferenced.
std::optional<BandGeoreference> pictureGeoreference(const ImageView& view,
                                                    const ProductCatalog& catalog);

}  // namespace qm
