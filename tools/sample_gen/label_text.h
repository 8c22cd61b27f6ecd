// The label file of a product: fixed 256-character lines, each holding up to five
// "name : value" columns, with the label marker on the first line.
#pragma once

#include <string>
#include <vector>

namespace qm::sample {

// One line per entry of `lines`, each entry's columns starting at characters 0, 39,
// 79, 119 and 159 (a column's text is cut to its width: 39, then 40); the marker
// stands after the columns of the first line; CR LF line ends.
std::string labelText(const std::vector<std::vector<std::string>>& lines);

}  // namespace qm::sample
