#include "tests/support/message_capture.h"

namespace qm::test {

MessageCapture::MessageCapture() {
    previous_ = platform::setMessageBoxHandler([this](const platform::MessageBoxRequest& box) {
        boxes_.push_back(box);
        return platform::kIdOk;
    });
}

MessageCapture::~MessageCapture() {
    platform::setMessageBoxHandler(std::move(previous_));
}

}  // namespace qm::test
