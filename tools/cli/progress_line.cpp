#include "tools/cli/progress_line.h"

namespace qm::cli {

// A carriage return goes back to the start of the line; spaces cover whatever of a
// longer earlier text would stick out.
void ProgressLine::show(const std::string& text) {
    if (!shown_)
        return;
    const std::size_t cover = width_ > text.size() ? width_ - text.size() : 0;
    err_ << '\r' << text << std::string(cover, ' ') << std::flush;
    width_ = text.size();
}

void ProgressLine::clear() {
    if (!shown_ || width_ == 0)
        return;
    err_ << '\r' << std::string(width_, ' ') << '\r' << std::flush;
    width_ = 0;
}

}  // namespace qm::cli
