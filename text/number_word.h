// A whole word of a command line read as a number.
#pragma once

#include <charconv>
#include <optional>
#include <string_view>

namespace qm {

// What std::from_chars reads as the type (an optional '-', decimal digits; for a
// floating-point type also a fraction, an exponent, "inf" and "nan") filling the
// whole word. Nothing for an empty word, anything after the number or a value beyond
// the type's range.
template <typename Number>
std::optional<Number> wordAsNumber(std::string_view word) {
    Number value{};
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    if (word.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

}  // namespace qm
