// Which outside paths name a product: a label file or a Landsat 7 header, from the
// program's command line (a file association starts it with one) or dropped on its
// window.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qm {

// True when the path ends in ".LAB", in any case, or names a Landsat 7 header
// (L7*_H??.FST). A '.' is never the trail byte of a double-byte character, so the
// bytes can be compared as they stand.
bool isProductPath(std::string_view path);

// The product named by a command line as WinMain receives it (ANSI, without the
// program's own name). Words are parted by spaces or tabs; a pair of double quotes
// keeps spaces inside one word and is dropped. Neither byte is ever part of a
// double-byte character, so Shift-JIS paths pass through unchanged. One word
// naming a label file or a header gives its path; no word, several words or
// another kind of file give none.
std::optional<std::string> productPathFromCommandLine(std::string_view commandLine);

}  // namespace qm
