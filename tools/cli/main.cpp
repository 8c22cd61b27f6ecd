// quillmere-cli: reports what the viewer's open command finds in a product.
#include <iostream>
#include <string>
#include <vector>

#include "tools/cli/info_command.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return qm::cli::runCommandLine(arguments, std::cout, std::cerr);
}
