// quillmere-cli: reports what the viewer's open command finds in a product, or
// saves its picture as the viewer's save command would.
#include <iostream>
#include <string>
#include <vector>

#include "tools/cli/command_line.h"
#include "tools/cli/terminal.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const qm::cli::Progress progress =
        qm::cli::standardErrorIsTerminal() ? qm::cli::Progress::Shown : qm::cli::Progress::Hidden;
    return qm::cli::runCommandLine(arguments, std::cout, std::cerr, progress);
}
