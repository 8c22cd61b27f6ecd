// A level table as integer arithmetic, so that whole rows can be mapped with vector
// instructions instead of one table lookup per byte.
//
// The input level mapping is linear with a clamp, so most tables are
//     byte = clamp((pixel * multiplier + offset) >> shift, 0, 255)
// for some integers, the shift arithmetic (rounding down). The form is searched
// for when a table is built and kept only when it gives the table's byte for all
// 256 pixel values; a table it cannot match (the rounding of the floating-point
// mapping now and then falls the other way) keeps the lookups.
#pragma once

#include <cstdint>
#include <optional>

#include "view/levels.h"

namespace qm {

struct LevelForm {
    // |multiplier| < 2^22, and |offset| + 255 |multiplier| < 2^31: every product
    // and sum fits signed 32 bits. The multiplier is applied as 128 * high + low
    // with high and low 16-bit halves, which is how the vector code multiplies.
    std::int32_t multiplier = 0;
    std::int32_t offset = 0;
    std::int32_t shift = 0;  // 0 to 31

    // The form leaves every pixel as it is.
    bool isIdentity() const { return multiplier == 1 && offset == 0 && shift == 0; }
    // The form gives the same byte, offset, for every pixel.
    bool isConstant() const { return multiplier == 0 && shift == 0; }
};

// Largest magnitude of a multiplier.
inline constexpr std::int32_t kLevelFormMultiplierLimit = 1 << 22;

// The byte the form gives for the pixel, computed as the vector code computes it.
std::uint8_t applyLevelForm(const LevelForm& form, std::uint8_t pixel);

// A form that gives table[p] for every p, the table being that of the levels'
// mapping (or any table whose bytes are all equal); nothing when no form of this
// shape matches it.
std::optional<LevelForm> levelForm(const LevelTable& table, LevelRange levels);

}  // namespace qm
