#include "tools/cli/text_report.h"

#include <iomanip>
#include <sstream>
#include <string_view>

#include "tools/cli/band_fields.h"

namespace qm::cli {
namespace {

constexpr int kCaptionWidth = 20;

template <typename Value>
void writeLine(std::ostream& out, std::string_view caption, const Value& value,
               std::string_view indent = "") {
    out << indent << std::left << std::setw(kCaptionWidth) << caption << ' ' << value << '\n';
}

// A label text that may be empty; an empty one would leave its line looking cut off.
std::string_view shown(const char* text) {
    return (text == nullptr || *text == '\0') ? std::string_view("(none)") : text;
}

const char* formatCodeMeaning(int formatCode) {
    switch (formatCode) {
        case 0:
            return "none";
        case BandImage::kRecordFormat:
            return "record format";
        case BandImage::kFastFormat:
            return "fast format";
        default:
            return "unknown; no band can be made";
    }
}

// Names and values are quoted: a name may end in a space, which decides whether
// lookups find it, and a value may be empty.
void writeLabelPairs(std::ostream& out, const LabelFile& label) {
    int count = 0;
    for (const LabelEntry* entry = label.head(); entry; entry = entry->next.get())
        ++count;
    writeLine(out, "Label pairs", count);
    for (const LabelEntry* entry = label.head(); entry; entry = entry->next.get())
        out << "  \"" << entry->name << "\" : \"" << entry->value << "\"\n";
}

void writeBand(std::ostream& out, int index, const BandImage& band) {
    out << "\nBand " << index << "  " << band.bandName() << '\n';
    writeLine(out, "path", band.path(), "  ");
    for (const BandField& field : bandFields())
        writeLine(out, field.caption, (band.*field.value)(), "  ");
}

}  // namespace

std::string textReport(const OpenedProduct& product) {
    std::ostringstream out;
    const ProductCatalog& catalog = product.catalog();
    writeLine(out, "Label file", product.labelPath());
    writeLine(out, "Parse result",
              std::to_string(product.parseResult()) + " (" +
                  parseResultMeaning(product.parseResult()) + ")");
    writeLabelPairs(out, product.label());
    writeLine(out, "Satellite", shown(catalog.satellite()));
    writeLine(out, "Sensor", shown(catalog.sensor()));
    writeLine(out, "Logical format", shown(catalog.logicalFormat()));
    writeLine(out, "Format code",
              std::to_string(catalog.formatCode()) + " (" +
                  formatCodeMeaning(catalog.formatCode()) + ")");
    writeLine(out, "File-name mask", catalog.fileNameMask());
    writeLine(out, "Discovery",
              product.discovered() ? "ran to its end"
                                   : "stopped (no format code, no product directory, "
                                     "no matching name or an unusable band)");
    writeLine(out, "Bands", catalog.bandCount());
    for (int i = 0; i < catalog.bandCount(); ++i)
        writeBand(out, i, *catalog.band(i));
    return out.str();
}

}  // namespace qm::cli
