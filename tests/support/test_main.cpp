// Test entry point: no test may ever wait on a modal message box. A box that a test
// did not ask to capture is answered at once and reported as a failure.
#include <gtest/gtest.h>

#include "platform/platform.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    qm::platform::setMessageBoxHandler([](const qm::platform::MessageBoxRequest& box) {
        ADD_FAILURE() << "unexpected message box: caption \"" << box.caption << "\", text \""
                      << box.text << "\"";
        return qm::platform::kIdOk;
    });
    return RUN_ALL_TESTS();
}
