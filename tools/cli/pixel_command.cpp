#include "tools/cli/pixel_command.h"

#include <optional>
#include <string>

#include "product/open_product.h"
#include "product/spectral_profile.h"
#include "tools/cli/command_line.h"
#include "tools/cli/console_message_boxes.h"
#include "tools/cli/console_words.h"
#include "tools/cli/pixel_report.h"

namespace qm::cli {
namespace {

// The pixel is given in the grid of the product's first band.
constexpr int kReferenceBand = 0;

// "column 9000, line 10 lies outside the first band (8000 x 7000 pixels)"
std::string outsideReason(const Arguments& arguments, const BandImage& band) {
    return "column " + std::to_string(arguments.column) + ", line " +
           std::to_string(arguments.line) + " lies outside the first band (" +
           std::to_string(band.pixelsPerLine()) + " x " + std::to_string(band.lineCount()) +
           " pixels)";
}

}  // namespace

int runPixel(const Arguments& arguments, std::ostream& out, std::ostream& err) {
    // Nothing is loaded, so no box is expected; one that came anyway would be printed
    // rather than wait for a click no one can give.
    ProgressLine noProgress(err, false);
    const ConsoleMessageBoxes boxes(err, noProgress);
    const OpenedProduct product(programPath(arguments.labelPath),
                                configurationPathFor(arguments.configPath));
    if (const std::optional<std::string> reason = noBandReason(product)) {
        err << consoleErrorLine(arguments.labelPath, *reason) << '\n';
        return kExitFailure;
    }

    const ProductCatalog& catalog = product.catalog();
    PixelReading reading;
    reading.column = arguments.column;
    reading.line = arguments.line;
    reading.bands = spectralProfile(catalog, kReferenceBand, arguments.column, arguments.line);
    if (reading.bands.empty()) {
        err << errorLine(arguments.labelPath,
                         outsideReason(arguments, *catalog.band(kReferenceBand)))
            << '\n';
        return kExitFailure;
    }
    reading.location = pixelLocation(catalog, kReferenceBand, arguments.column, arguments.line);
    if (arguments.json)
        out << pixelJsonReport(reading) << '\n';
    else
        out << pixelTextReport(reading);
    return kExitSuccess;
}

}  // namespace qm::cli
