// Commands 40011 and 40012: the user guide that ships beside the program, and what
// the program is and which configuration file it reads.
#include <string>

#include "app/document_opener.h"
#include "app/main_window.h"
#include "app/texts.h"
#include "paths/paths.h"
#include "platform/platform.h"
#include "view/texts.h"

namespace qm {
namespace {

constexpr char kUserGuideName[] = "README-ja.txt";

bool fileExists(const std::string& path) {
    return !path.empty() && platform::fileSize(path) >= 0;
}

std::string aboutText(const std::string& configuration) {
    std::string text = std::string(MainWindow::kTitle) + " " + texts::kAboutVersion + " " +
                       QM_VERSION + " (" +
                       (sizeof(void*) == 8 ? texts::kAbout64Bit : texts::kAbout32Bit) + ")\n\n";
    text += texts::kAboutConfiguration;
    text += configuration + "\n";
    text += fileExists(configuration) ? texts::kAboutConfigurationFound
                                      : texts::kAboutConfigurationMissing;
    return text;
}

}  // namespace

// The guide is looked for beside the program, where the package puts it.
void MainWindow::viewDocument() {
    const std::string guide = executableFilePath(kUserGuideName);
    if (!fileExists(guide)) {
        showError(texts::kDocumentMissing + guide);
        return;
    }
    if (!openDocument(window_, guide))
        showError(texts::kDocumentNotOpened + guide);
}

void MainWindow::showAbout() {
    platform::messageBox(window_, aboutText(catalog_->configurationPath()), texts::kAboutCaption,
                         platform::kMbIconInformation);
}

}  // namespace qm
