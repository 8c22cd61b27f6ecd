// Path texts in the program's own form: backslash separators, the system's bytes
// (Shift-JIS on Windows, UTF-8 on POSIX), at most 260 bytes. Each function returns a new text,
// empty when there is no answer.
#pragma once

#include <string>
#include <string_view>

namespace qm {

// The directory of the running program's file, ending in a backslash.
std::string executableDirectory();

// executableDirectory() immediately followed by name; empty when the program's
// directory is unknown.
std::string executableFilePath(std::string_view name);

// The path up to and including its last backslash; empty when it holds none.
std::string directoryOf(std::string_view path);

// Where a product's band files lie: the label path cut back to its last '.', which
// becomes a backslash (D:\DATA\SCENE01.LAB gives D:\DATA\SCENE01\). A '.' in a
// directory name counts when the file name has none. Empty when no '.' follows the
// first character.
std::string productDirectoryOf(std::string_view labelPath);

// The text after the last backslash, or the whole path when it holds none.
std::string lastPathComponent(std::string_view path);

// The configuration file QMDATA.INI beside the program: the one a product catalogue
// reads unless it is given another.
std::string configurationFilePath();

}  // namespace qm
