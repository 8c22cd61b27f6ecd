// Captures every message box shown while it lives, answering each with OK.
#pragma once

#include <vector>

#include "platform/platform.h"

namespace qm::test {

class MessageCapture {
  public:
    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    const std::vector<platform::MessageBoxRequest>& boxes() const { return boxes_; }

  private:
    std::vector<platform::MessageBoxRequest> boxes_;
    platform::MessageBoxHandler previous_;
};

}  // namespace qm::test
