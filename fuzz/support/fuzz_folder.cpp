#include "fuzz/support/fuzz_folder.h"

#include "platform/platform.h"

namespace qm::fuzz {

void answerMessageBoxesSilently() {
    platform::setMessageBoxHandler(
        [](const platform::MessageBoxRequest&) { return platform::kIdOk; });
}

const test::TempDir& fuzzFolder() {
    static const test::TempDir folder = [] {
        answerMessageBoxesSilently();
        return test::TempDir();
    }();
    return folder;
}

std::string writeFuzzFile(std::string_view relative, std::string_view bytes) {
    return fuzzFolder().writeFile(relative, bytes);
}

}  // namespace qm::fuzz
