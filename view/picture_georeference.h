// The band the view's picture is made of, and where that picture lies on the map:
// the grid of its first shown band (every shown band has that band's size).
#pragma once

#include <optional>

#include "product/georeference.h"

namespace qm {

class ImageView;
class ProductCatalog;

// The catalogue's index of the band the picture is made of; -1 when none is shown.
int pictureBandIndex(const ImageView& view, const ProductCatalog& catalog);

// Nothing when no band is shown or the product is not georeferenced.
std::optional<BandGeoreference> pictureGeoreference(const ImageView& view,
                                                    const ProductCatalog& catalog);

}  // namespace qm
