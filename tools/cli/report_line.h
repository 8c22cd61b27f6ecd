// One line of a text report: a caption in a fixed-width column, then its value.
#pragma once

#include <iomanip>
#include <ostream>
#include <string_view>

namespace qm::cli {

inline constexpr int kCaptionWidth = 20;

template <typename Value>
void writeLine(std::ostream& out, std::string_view caption, const Value& value,
               std::string_view indent = "") {
    out << indent << std::left << std::setw(kCaptionWidth) << caption << ' ' << value << '\n';
}

}  // namespace qm::cli
