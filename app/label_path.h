// Which outside paths name a product's label file: the program's command line (a
// file association starts it with one) and the files dropped on its window.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qm {

// True when the path ends in ".LAB", in any case. A '.' is never the trail byte of
// a double-byte character, so the bytes can be compared as they stand.
bool isLabelPath(std::string_view path);

// The label file named by a command line as WinMain receives it (ANSI, without the
// program's own name). Words are parted by spaces or tabs; a pair of double quotes
// keeps spaces inside one word and is dropped. Neither byte is ever part of a
// double-byte character, so Shift-JIS paths pass through unchanged. One word
// naming a label file gives its path; no word, several words or another kind of
// file give none.
std::optional<std::string> labelPathFromCommandLine(std::string_view commandLine);

}  // namespace qm
