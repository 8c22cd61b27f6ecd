#include "tools/cli/info_command.h"

#include <optional>

#include "platform/platform.h"
#include "product/open_product.h"
#include "tools/cli/band_histograms.h"
#include "tools/cli/command_line.h"
#include "tools/cli/console_message_boxes.h"
#include "tools/cli/console_words.h"
#include "tools/cli/json_report.h"
#include "tools/cli/text_report.h"

namespace qm::cli {

int runInfo(const Arguments& arguments, std::ostream& out, std::ostream& err) {
    // Loading a band for its statistics may raise the empty notice of a cut bar,
    // which prints nothing; no other box can come.
    ProgressLine noProgress(err, false);
    const ConsoleMessageBoxes boxes(err, noProgress);
    const OpenedProduct product(programPath(arguments.labelPath),
                                configurationPathFor(arguments.configPath));

    // Why nothing was found comes first, then the report of what was.
    const std::optional<std::string> reason = noBandReason(product);
    if (reason)
        err << consoleErrorLine(arguments.labelPath, *reason) << '\n';
    const BandHistograms histograms =
        arguments.stats ? loadBandHistograms(product) : BandHistograms();
    if (arguments.json)
        out << jsonReport(product, histograms) << '\n';
    else
        out << textReport(product, histograms);
    return reason ? kExitNoBand : kExitBandsFound;
}

}  // namespace qm::cli
