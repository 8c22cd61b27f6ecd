// The numbers the tool reports for every band, in report order, with their JSON
// keys and their captions for people. Both reports walk this one list.
#pragma once

#include <cstdint>
#include <span>

#include "band/band_image.h"

namespace qm::cli {

struct BandField {
    const char* jsonKey;
    const char* caption;
    std::int32_t (BandImage::*value)() const;
};

std::span<const BandField> bandFields();

}  // namespace qm::cli
