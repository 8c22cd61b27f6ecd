#include "text/decimal.h"

#include <algorithm>
#include <limits>

#include "text/ascii.h"

namespace qm {

std::int32_t decimalValue(std::string_view text) {
    constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
    std::size_t i = 0;
    while (i < text.size() && isAsciiSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    // The magnitude stops growing once it is past what 32 bits hold.
    std::int64_t magnitude = 0;
    for (; i < text.size() && isAsciiDigit(text[i]); ++i)
        magnitude = std::min(magnitude * 10 + (text[i] - '0'), kInt32Max + 1);
    const std::int64_t value = negative ? -magnitude : magnitude;
    return static_cast<std::int32_t>(std::clamp(value, kInt32Min, kInt32Max));
}

}  // namespace qm
