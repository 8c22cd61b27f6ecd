#include "tools/cli/command_line.h"

#include "platform/platform.h"
#include "tools/cli/arguments.h"
#include "tools/cli/export_command.h"
#include "tools/cli/info_command.h"
#include "tools/cli/pixel_command.h"

namespace qm::cli {

int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   Progress progress) {
    const Arguments parsed = parseArguments(arguments);
    switch (parsed.action) {
        case Arguments::Action::Help:
            out << helpText();
            return kExitSuccess;
        case Arguments::Action::Version:
            out << versionLine();
            return kExitSuccess;
        case Arguments::Action::Info:
            return runInfo(parsed, out, err);
        case Arguments::Action::Export:
            return runExport(parsed, out, err, progress);
        case Arguments::Action::Pixel:
            return runPixel(parsed, out, err);
        case Arguments::Action::UsageError:
            break;
    }
    err << platform::consoleTextFromAnsi(std::string(kProgramName) + ": " + parsed.error) << '\n'
        << usageLine();
    return kExitUsage;
}

}  // namespace qm::cli
