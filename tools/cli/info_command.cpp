#include "tools/cli/info_command.h"

#include "platform/platform.h"
#include "product/open_product.h"
#include "tools/cli/band_histograms.h"
#include "tools/cli/command_line.h"
#include "tools/cli/command_scope.h"
#include "tools/cli/console_message_boxes.h"
#include "tools/cli/json_report.h"
#include "tools/cli/parse_result.h"
#include "tools/cli/text_report.h"

namespace qm::cli {

int runInfo(const Arguments& arguments, std::ostream& out, std::ostream& err) {
    const CurrentDirectoryKeeper keeper;
    // Loading a band for its statistics may raise the empty notice of a cut bar,
    // which prints nothing; no other box can come.
    ProgressLine noProgress(err, false);
    const ConsoleMessageBoxes boxes(err, noProgress);
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

}  // namespace qm::cli
