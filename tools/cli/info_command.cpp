#include "tools/cli/info_command.h"

#include "platform/platform.h"
#include "product/paths.h"
#include "tools/cli/arguments.h"
#include "tools/cli/band_histograms.h"
#include "tools/cli/json_report.h"
#include "tools/cli/opened_product.h"
#include "tools/cli/text_report.h"

namespace qm::cli {
namespace {

constexpr char kProgramName[] = "quillmere-cli";

// Discovery makes the product directory current; the caller gets its own back.
class CurrentDirectoryKeeper {
  public:
    CurrentDirectoryKeeper() : saved_(platform::currentDirectory()) {}
    ~CurrentDirectoryKeeper() {
        if (!saved_.empty())
            platform::setCurrentDirectory(saved_);
    }
    CurrentDirectoryKeeper(const CurrentDirectoryKeeper&) = delete;
    CurrentDirectoryKeeper& operator=(const CurrentDirectoryKeeper&) = delete;

  private:
    std::string saved_;
};

// Chooses the configuration file for one run; QMDATA.INI beside the program again
// afterwards.
class ConfigurationChoice {
  public:
    explicit ConfigurationChoice(const std::string& path) { setConfigurationFilePath(path); }
    ~ConfigurationChoice() { setConfigurationFilePath(""); }
    ConfigurationChoice(const ConfigurationChoice&) = delete;
    ConfigurationChoice& operator=(const ConfigurationChoice&) = delete;
};

// A path as typed, in the program's form and made full: band paths are built from
// the label path after discovery has changed the current directory, and the
// configuration file is read after that too.
std::string fullProgramPath(const std::string& typed) {
    if (typed.empty())
        return {};
    const std::string programPath = platform::fromNativePath(typed);
    const std::string full = platform::fullPath(programPath);
    return full.empty() ? programPath : full;
}

int runInfo(const Arguments& arguments, std::ostream& out, std::ostream& err) {
    const CurrentDirectoryKeeper keeper;
    const ConfigurationChoice configuration(fullProgramPath(arguments.configPath));
    const OpenedProduct product(fullProgramPath(arguments.labelPath));

    if (!product.labelRead()) {
        err << platform::consoleTextFromAnsi(std::string(kProgramName) + ": " +
                                             arguments.labelPath + ": " +
                                             parseResultMeaning(product.parseResult()))
            << '\n';
    }
    const BandHistograms histograms =
        arguments.stats ? loadBandHistograms(product) : BandHistograms();
    if (arguments.json)
        out << jsonReport(product, histograms) << '\n';
    else
        out << platform::consoleTextFromAnsi(textReport(product, histograms));
    return product.labelRead() ? kExitLabelRead : kExitLabelUnreadable;
}

}  // namespace

int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
    const Arguments parsed = parseArguments(arguments);
    switch (parsed.action) {
        case Arguments::Action::Help:
            out << helpText();
            return kExitLabelRead;
        case Arguments::Action::Info:
            return runInfo(parsed, out, err);
        case Arguments::Action::UsageError:
            break;
    }
    err << platform::consoleTextFromAnsi(std::string(kProgramName) + ": " + parsed.error) << '\n'
        << usageLine();
    return kExitUsage;
}

}  // namespace qm::cli
