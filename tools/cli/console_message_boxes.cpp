#include "tools/cli/console_message_boxes.h"

#include <string>
#include <utility>

namespace qm::cli {
namespace {

// What a box shows, as one line: its own caption, or for a box that asked for the
// system's caption the word Windows would give it.
std::string boxLine(const platform::MessageBoxRequest& box) {
    const std::string caption = box.defaultCaption ? std::string("Error") : box.caption;
    return caption.empty() ? box.text : caption + ": " + box.text;
}

}  // namespace

ConsoleMessageBoxes::ConsoleMessageBoxes(std::ostream& err, ProgressLine& progress)
    : previous_(
          platform::setMessageBoxHandler([&err, &progress](const platform::MessageBoxRequest& box) {
              if (!box.text.empty()) {
                  progress.clear();
                  err << platform::consoleTextFromAnsi(boxLine(box)) << '\n';
              }
              return platform::kIdOk;
          })) {}

ConsoleMessageBoxes::~ConsoleMessageBoxes() {
    platform::setMessageBoxHandler(std::move(previous_));
}

}  // namespace qm::cli
