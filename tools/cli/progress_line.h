// One line on standard error that says what a long command is doing, rewritten in
// place as the work goes on and wiped before anything else is printed there.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>

namespace qm::cli {

class ProgressLine {
  public:
    // A hidden line prints nothing at all.
    ProgressLine(std::ostream& err, bool shown) : err_(err), shown_(shown) {}
    ~ProgressLine() { clear(); }
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    // Replaces the line's text (console code page bytes).
    void show(const std::string& text);
    // Wipes the line, so the next output starts at the beginning of an empty line.
    void clear();

  private:
    std::ostream& err_;
    bool shown_;
    std::size_t width_ = 0;  // of the text on the line now, 0 when there is none
};

}  // namespace qm::cli
