// Decimal numbers as the label file, the band files' framing fields and the
// fast-format header write them.
#pragma once

#include <cstdint>
#include <string_view>

namespace qm {

// Leading white space, an optional sign, digits up to the first non-digit; no
// digits give 0. A value beyond 32 bits is held at INT32_MIN or INT32_MAX instead of
// overflowing.
std::int32_t decimalValue(std::string_view text);

}  // namespace qm
