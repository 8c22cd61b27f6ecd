// The complete toolbar bitmap file, as the program's resources hold it.
#pragma once

#include <cstdint>
#include <vector>

namespace qm::toolbar_art {

std::vector<std::uint8_t> toolbarBitmapFile();

}  // namespace qm::toolbar_art
