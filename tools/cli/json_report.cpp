#include "tools/cli/json_report.h"

#include <nlohmann/json.hpp>

#include "platform/platform.h"
#include "tools/cli/band_fields.h"

namespace qm::cli {
namespace {

// Keys keep the order in which they are written, so the report reads like the
// text one.
using Json = nlohmann::ordered_json;

std::string utf8(std::string_view programText) {
    return platform::utf8FromAnsi(programText);
}

std::string utf8(const char* programText) {
    return programText == nullptr ? std::string() : utf8(std::string_view(programText));
}

Json labelPairs(const LabelFile& label) {
    Json pairs = Json::array();
    for (const LabelEntry& entry : label.entries()) {
        Json pair;
        pair["name"] = utf8(entry.name);
        pair["value"] = utf8(entry.value);
        pairs.push_back(std::move(pair));
    }
    return pairs;
}

Json bandObject(int index, const BandImage& band) {
    Json object;
    object["index"] = index;
    object["name"] = utf8(band.bandName());
    object["path"] = platform::utf8Path(band.path());
    for (const BandField& field : bandFields())
        object[field.jsonKey] = (band.*field.value)();
    return object;
}

void addHistogram(Json& object, const std::optional<Histogram>& histogram) {
    object["loaded"] = histogram.has_value();
    if (!histogram)
        return;
    object["counts"] = histogram->counts;
    object["mean"] = histogram->mean;
    object["modeBin"] = histogram->modeBin;
    object["deviation"] = histogram->deviation;
    object["heights"] = histogram->heights;
}

}  // namespace

std::string jsonReport(const OpenedProduct& product, const BandHistograms& histograms) {
    const ProductCatalog& catalog = product.catalog();
    Json report;
    report["parseResult"] = static_cast<int>(product.parseResult());
    report["label"] = labelPairs(product.label());
    report["satellite"] = utf8(catalog.satellite());
    report["sensor"] = utf8(catalog.sensor());
    report["logicalFormat"] = utf8(catalog.logicalFormat());
    report["formatCode"] = catalog.formatCode();
    report["fileNameMask"] = utf8(catalog.fileNameMask());
    report["discovered"] = product.discovered();
    Json bands = Json::array();
    for (int i = 0; i < catalog.bandCount(); ++i) {
        Json band = bandObject(i, *catalog.band(i));
        if (static_cast<std::size_t>(i) < histograms.size())
            addHistogram(band, histograms[static_cast<std::size_t>(i)]);
        bands.push_back(std::move(band));
    }
    report["bands"] = std::move(bands);
    // The texts are valid UTF-8 by now; replacing stray bytes is only a safety net
    // so that dump() can never throw.
    return report.dump(2, ' ', false, Json::error_handler_t::replace);
}

}  // namespace qm::cli
