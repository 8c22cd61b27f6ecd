// Which band of the catalogue a word of the command line names.
#pragma once

#include <string>

#include "band/band_image.h"
#include "product/product_catalog.h"

namespace qm::cli {

// A word of digits only is the band's number in the band choosers, from 1; any
// other word is a display name, in the program's code page or in UTF-8, the first
// band of that name winning. Null when no band answers.
BandImage* findBand(const ProductCatalog& catalog, const std::string& word);

}  // namespace qm::cli
