// Message boxes turned into lines on standard error for one command's run: a
// command-line run has no window to own a box and no one to dismiss it.
#pragma once

#include <ostream>

#include "platform/platform.h"
#include "tools/cli/progress_line.h"

namespace qm::cli {

class ConsoleMessageBoxes {
  public:
    // From now on each box with a text prints "caption: text" in the console's code
    // page, after wiping the progress line, and is answered with OK. A box without
    // a text (the notice that a histogram bar was cut) says nothing and prints
    // nothing.
    ConsoleMessageBoxes(std::ostream& err, ProgressLine& progress);
    // The handler from before comes back.
    ~ConsoleMessageBoxes();
    ConsoleMessageBoxes(const ConsoleMessageBoxes&) = delete;
    ConsoleMessageBoxes& operator=(const ConsoleMessageBoxes&) = delete;

  private:
    platform::MessageBoxHandler previous_;
};

}  // namespace qm::cli
