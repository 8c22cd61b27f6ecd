// quillmere-cli --version: the project's version, wherever the option stands.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tools/cli/command_line.h"

namespace qm {
namespace {

struct VersionCase {
    std::vector<std::string> arguments;
    std::string out;
};

TEST(CliVersionTest, PrintsTheProjectVersion) {
    const std::string version = std::string("quillmere-cli ") + QM_VERSION + "\n";
    const std::vector<VersionCase> cases = {
        {{"--version"}, version},
        {{"info", "SCENE.LAB", "--version"}, version},
        // Help wins over the version, as it wins over everything else.
        {{"--version", "--help"}, ""},
    };
    for (const VersionCase& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(cli::runCommandLine(c.arguments, out, err), 0);
        if (!c.out.empty())
            EXPECT_EQ(out.str(), c.out);
        else
            EXPECT_NE(out.str().find("--version"), std::string::npos);
        EXPECT_EQ(err.str(), "");
    }
}

}  // namespace
}  // namespace qm
