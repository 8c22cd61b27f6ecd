#include "tools/cli/text_report.h"

#include <array>
#include <cstdint>
#include <iomanip>
#include <optional>
#include <sstream>
#include <string_view>

#include "platform/platform.h"
#include "product/georeference.h"
#include "product/product_facts.h"
#include "tools/cli/band_fields.h"
#include "tools/cli/console_words.h"
#include "tools/cli/parse_result.h"
#include "tools/cli/report_line.h"

namespace qm::cli {
namespace {

// Histogram tables are printed this many values to a line.
constexpr int kValuesPerLine = 16;

std::string console(std::string_view programText) {
    return platform::consoleTextFromAnsi(programText);
}

// A label text that may be empty; an empty one would leave its line looking cut off.
std::string shown(const char* text) {
    return (text == nullptr || *text == '\0') ? std::string("(none)") : console(text);
}

const char* formatCodeMeaning(int formatCode) {
    switch (formatCode) {
        case 0:
            return "none";
        case static_cast<int>(BandFormat::Record):
            return "record format";
        case static_cast<int>(BandFormat::Fast):
            return "fast format";
        default:
            return "unknown; no band can be made";
    }
}

// Names and values are quoted: a name may end in a space, which decides whether
// lookups find it, and a value may be empty.
void writeLabelPairs(std::ostream& out, const LabelFile& label) {
    writeLine(out, "Label pairs", static_cast<int>(label.entries().size()));
    for (const LabelEntry& entry : label.entries())
        out << "  \"" << console(entry.name) << "\" : \"" << console(entry.value) << "\"\n";
}

// A georeferenced band's own grid and the projection's well-known text.
void writeGeoreference(std::ostream& out, const ProductCatalog& catalog, int index) {
    const std::optional<BandGeoreference> georeference = bandGeoreference(catalog, index);
    if (!georeference)
        return;
    const geo::GeoTransform& t = georeference->transform;
    std::ostringstream transform;
    transform << std::setprecision(15) << "[" << t.x0 << ", " << t.dx << ", " << t.rx << ", "
              << t.y0 << ", " << t.ry << ", " << t.dy << "]";
    writeLine(out, "geotransform", transform.str(), "  ");
    const std::string wkt = geo::projectionWkt(georeference->header.projection);
    if (!wkt.empty())
        writeLine(out, "wkt", wkt, "  ");
}

void writeBand(std::ostream& out, int index, const BandImage& band, const BandFacts& facts) {
    out << "\nBand " << index << "  " << console(band.bandName()) << '\n';
    writeLine(out, "path", platform::consolePath(band.path()), "  ");
    for (const BandField& field : bandFields())
        writeLine(out, field.caption, (band.*field.value)(), "  ");
    if (facts.calibration) {
        writeLine(out, "bias", facts.calibration->bias, "  ");
        writeLine(out, "gain", facts.calibration->gain, "  ");
    }
}

// What the fast-format headers say of the scene, its projection and the sun, and
// the files they name that are missing; the label and the bands have lines of
// their own.
void writeHeaderFacts(std::ostream& out, const OpenedProduct& product) {
    std::vector<FactGroup> groups = productFacts(product.label(), product.catalog());
    std::erase_if(groups, [](const FactGroup& group) {
        return group.section == FactSection::Label || group.section == FactSection::Bands;
    });
    if (groups.empty())
        return;
    out << '\n'
        << factsText(groups, kFactWords, MessageSpelling{platform::consolePath, console}, "\n")
        << '\n';
}

// The 256 values as lines of 16, each led by the pixel value of its first entry.
void writeTable(std::ostream& out, std::string_view caption,
                const std::array<std::int32_t, Histogram::kBins>& values) {
    out << "  " << caption << '\n';
    for (int first = 0; first < Histogram::kBins; first += kValuesPerLine) {
        out << "    " << std::right << std::setw(3) << first << ':';
        for (int i = first; i < first + kValuesPerLine; ++i)
            out << ' ' << values[i];
        out << '\n';
    }
}

void writeHistogram(std::ostream& out, const std::optional<Histogram>& histogram) {
    if (!histogram) {
        writeLine(out, "pixels", "not loaded (file unreadable, no picture or too large)", "  ");
        return;
    }
    writeLine(out, "mean", histogram->mean, "  ");
    writeLine(out, "mode bin", histogram->modeBin, "  ");
    writeLine(out, "deviation", histogram->deviation, "  ");
    writeTable(out, "counts", histogram->counts);
    writeTable(out, "heights", histogram->heights);
}

}  // namespace

std::string textReport(const OpenedProduct& product, const BandHistograms& histograms) {
    std::ostringstream out;
    const ProductCatalog& catalog = product.catalog();
    writeLine(out, "Label file", platform::consolePath(product.labelPath()));
    writeLine(out, "Configuration", platform::consolePath(catalog.configurationPath()));
    writeLine(out, "Parse result",
              std::to_string(static_cast<int>(product.parseResult())) + " (" +
                  parseResultMeaning(product.parseResult()) + ")");
    writeLabelPairs(out, product.label());
    writeLine(out, "Satellite", shown(catalog.satellite()));
    writeLine(out, "Sensor", shown(catalog.sensor()));
    writeLine(out, "Logical format", shown(catalog.logicalFormat()));
    writeLine(out, "Format code",
              std::to_string(catalog.formatCode()) + " (" +
                  formatCodeMeaning(catalog.formatCode()) + ")");
    writeLine(out, "File-name mask",
              console(catalog.fileNameMask()) +
                  (catalog.fileNameMaskConfigured() ? "" : " (no entry: every name)"));
    writeLine(out, "Discovery",
              product.discovered() ? "ran to its end"
                                   : "stopped (no format code, no product directory, "
                                     "no matching name or an unusable band)");
    writeHeaderFacts(out, product);
    writeLine(out, "Bands", catalog.bandCount());
    for (int i = 0; i < catalog.bandCount(); ++i) {
        writeBand(out, i, *catalog.band(i), catalog.bandFacts(i));
        writeGeoreference(out, catalog, i);
        if (static_cast<std::size_t>(i) < histograms.size())
            writeHistogram(out, histograms[static_cast<std::size_t>(i)]);
    }
    return out.str();
}

}  // namespace qm::cli
