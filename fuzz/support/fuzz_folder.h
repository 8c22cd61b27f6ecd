// What a fuzz target sets up once per process: message boxes answered without being
// shown, and a temporary folder of its own for the files it writes.
#pragma once

#include <string>
#include <string_view>

#include "tests/support/temp_dir.h"

namespace qm::fuzz {

// From now on every message box is answered OK at once: a real one would print to
// stderr or wait for a click on every run.
void answerMessageBoxesSilently();

// The process's folder, removed when the process ends normally. The first call
// also answers message boxes silently.
const test::TempDir& fuzzFolder();

// Writes the bytes as the file's whole content inside the folder, creating folders;
// returns its path in the program's own form.
std::string writeFuzzFile(std::string_view relative, std::string_view bytes);

}  // namespace qm::fuzz
