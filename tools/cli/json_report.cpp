#include "tools/cli/json_report.h"

#include <optional>
#include <type_traits>

#include <nlohmann/json.hpp>

#include "platform/platform.h"
#include "product/georeference.h"
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

Json bandObject(int index, const BandImage& band, const BandFacts& facts) {
    Json object;
    object["index"] = index;
    object["name"] = utf8(band.bandName());
    object["path"] = platform::utf8Path(band.path());
    for (const BandField& field : bandFields())
        object[field.jsonKey] = (band.*field.value)();
    if (facts.calibration) {
        object["bias"] = facts.calibration->bias;
        object["gain"] = facts.calibration->gain;
    }
    return object;
}

// Where a georeferenced band lies: its own grid's transform, the projection as the
// header names it, and its well-known text when it is computed here.
void addGeoreference(Json& object, const ProductCatalog& catalog, int index) {
    const std::optional<BandGeoreference> georeference = bandGeoreference(catalog, index);
    if (!georeference)
        return;
    const geo::GeoTransform& t = georeference->transform;
    object["geotransform"] = {t.x0, t.dx, t.rx, t.y0, t.ry, t.dy};
    const geo::MapProjectionSpec& spec = georeference->header.projection;
    Json projection;
    projection["name"] = utf8(spec.name);
    if (spec.zone) {
        projection["zone"] = *spec.zone;
        projection["south"] = spec.south;
    }
    projection["ellipsoid"] = utf8(spec.ellipsoidName);
    projection["datum"] = utf8(spec.datum);
    projection["parameters"] = spec.parameters;
    object["projection"] = std::move(projection);
    const std::string wkt = geo::projectionWkt(spec);
    if (!wkt.empty())
        object["wkt"] = wkt;
}

// Absent fields are left out: a number is never made up.
template <typename Value>
void put(Json& object, const char* key, const std::optional<Value>& value) {
    if (!value)
        return;
    if constexpr (std::is_same_v<Value, std::string>)
        object[key] = utf8(*value);
    else
        object[key] = *value;
}

Json cornerObject(const HeaderCorner& corner) {
    Json object = Json::object();
    put(object, "longitude", corner.longitude);
    put(object, "latitude", corner.latitude);
    put(object, "easting", corner.easting);
    put(object, "northing", corner.northing);
    return object;
}

void putAdministrative(Json& object, const FastHeader& header) {
    put(object, "requestId", header.requestId);
    put(object, "location", header.location);
    put(object, "path", header.path);
    put(object, "row", header.row);
    if (header.acquisitionDate)
        object["acquisitionDate"] = header.acquisitionDate->isoText();
    put(object, "satellite", header.satellite);
    put(object, "sensor", header.sensor);
    put(object, "sensorMode", header.sensorMode);
    put(object, "lookAngle", header.lookAngle);
    put(object, "productType", header.productType);
    put(object, "productSize", header.productSize);
    put(object, "processing", header.processing);
    put(object, "resampling", header.resampling);
    put(object, "pixelsPerLine", header.pixelsPerLine);
    put(object, "linesPerBand", header.linesPerBand);
    put(object, "pixelSize", header.pixelSize);
    put(object, "outputBitsPerPixel", header.outputBitsPerPixel);
    put(object, "bandsPresent", header.bandsPresent);
    put(object, "revision", header.revision);
}

void putGeometric(Json& object, const FastHeader& header) {
    put(object, "mapProjection", header.mapProjection);
    put(object, "ellipsoid", header.ellipsoid);
    put(object, "datum", header.datum);
    put(object, "projectionParameters", header.projectionParameters);
    put(object, "mapZone", header.mapZone);
    Json corners;
    corners["upperLeft"] = cornerObject(header.upperLeft);
    corners["upperRight"] = cornerObject(header.upperRight);
    corners["lowerRight"] = cornerObject(header.lowerRight);
    corners["lowerLeft"] = cornerObject(header.lowerLeft);
    Json center = cornerObject(header.center);
    put(center, "pixel", header.centerPixel);
    put(center, "line", header.centerLine);
    corners["center"] = std::move(center);
    object["corners"] = std::move(corners);
    put(object, "offset", header.offset);
    put(object, "orientationAngle", header.orientationAngle);
    put(object, "sunElevation", header.sunElevation);
    put(object, "sunAzimuth", header.sunAzimuth);
}

// One header's facts; each band it names with its calibration, bias and gain by name.
Json headerObject(const SceneHeader& scene) {
    const FastHeader& header = scene.header;
    Json object;
    object["file"] = platform::utf8Path(scene.path);
    putAdministrative(object, header);
    Json bands = Json::array();
    for (std::size_t i = 0; i < header.fileNames.size(); ++i) {
        Json band;
        band["file"] = utf8(header.fileNames[i]);
        if (i < header.calibrations.size()) {
            band["bias"] = header.calibrations[i].bias;
            band["gain"] = header.calibrations[i].gain;
        }
        bands.push_back(std::move(band));
    }
    object["bands"] = std::move(bands);
    putGeometric(object, header);
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
        Json band = bandObject(i, *catalog.band(i), catalog.bandFacts(i));
        addGeoreference(band, catalog, i);
        if (static_cast<std::size_t>(i) < histograms.size())
            addHistogram(band, histograms[static_cast<std::size_t>(i)]);
        bands.push_back(std::move(band));
    }
    report["bands"] = std::move(bands);
    if (!catalog.headers().empty()) {
        Json headers = Json::array();
        for (const SceneHeader& header : catalog.headers())
            headers.push_back(headerObject(header));
        report["header"] = headers.front();
        report["headers"] = std::move(headers);
    }
    if (!catalog.missingFiles().empty()) {
        Json missing = Json::array();
        for (const std::string& name : catalog.missingFiles())
            missing.push_back(utf8(name));
        report["missingFiles"] = std::move(missing);
    }
    // The texts are valid UTF-8 by now; replacing stray bytes is only a safety net
    // so that dump() can never throw.
    return report.dump(2, ' ', false, Json::error_handler_t::replace);
}

}  // namespace qm::cli
