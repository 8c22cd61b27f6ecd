#include "tools/sample_gen/sample_products.h"

#include <fstream>
#include <stdexcept>
#include <vector>

#include "tools/sample_gen/fast_format.h"
#include "tools/sample_gen/label_text.h"
#include "tools/sample_gen/record_format.h"
#include "tools/sample_gen/scene.h"

namespace qm::sample {
namespace {

namespace fs = std::filesystem;

// Fast-format files all start with this stem; the reader finds the header by it.
constexpr char kFastStem[] = "L71SYN7";

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

std::string entry(const std::string& name, const std::string& value) {
    return name + " : " + value;
}

std::string label(const char* logicalFormat, const char* product, const Scene& scene) {
    const std::string pixels = std::to_string(scene.bands[0].width);
    const std::string lines = std::to_string(scene.bands[0].height);
    return labelText({
        {entry("Satellite", kSatellite), entry("Sensor", kSensor),
         entry("Logical Format", logicalFormat), entry("Obs. Date", "2026/06/15"),
         entry("Production Date", "2026/07/01")},
        {entry("Center Latitude", "N 35.412"), entry("Center Longitude", "E 138.705"),
         entry("Number of Pixels", pixels), entry("Number of Lines", lines),
         entry("Cloud Coverage", std::to_string(scene.cloudPercent))},
        {entry("Granule ID", std::string(product) + "-SAMPLE-0001"), "",
         entry("Processing Level", "1R (synthetic)"), entry("Bands", "1-7"),
         entry("Volume", "1/1")},
    });
}

void writeRecordProduct(const fs::path& directory, const Scene& scene) {
    writeFile(directory / (std::string(kRecordProduct) + ".LAB"),
              label(kRecordLogicalFormat, kRecordProduct, scene));
    const fs::path folder = directory / kRecordProduct;
    fs::create_directories(folder);
    for (std::size_t i = 0; i < scene.bands.size(); ++i) {
        const std::string name =
            std::string(kRecordProduct) + "_B" + std::to_string(i + 1) + ".DAT";
        writeFile(folder / name, recordBandFile(scene.bands[i]));
    }
}

void writeFastProduct(const fs::path& directory, const Scene& scene) {
    writeFile(directory / (std::string(kFastProduct) + ".LAB"),
              label(kFastLogicalFormat, kFastProduct, scene));
    const fs::path folder = directory / kFastProduct;
    fs::create_directories(folder);
    const std::string stem = kFastStem;
    const Raster& first = scene.bands[0];
    for (const NamedFile& header :
         fastHeaderFiles(stem, kSatellite, kSensor, first.width, first.height))
        writeFile(folder / header.name, header.bytes);
    for (std::size_t i = 0; i < scene.bands.size(); ++i)
        writeFile(folder / fastBandFileName(stem, std::to_string(i + 1) + "0"),
                  fastBandFile(scene.bands[i]));
    // The thermal header names the band's two gains; the label product keeps to B60.
    const Raster& thermal = scene.bands[kThermalBand - 1];
    writeFile(folder / fastBandFileName(stem, "61"), fastBandFile(thermal));
    writeFile(folder / fastBandFileName(stem, "62"), fastBandFile(highGainThermal(thermal)));
    writeFile(folder / fastBandFileName(stem, "80"), fastBandFile(scene.panchromatic));
}

}  // namespace

SampleProducts writeSampleProducts(const fs::path& directory, const SampleOptions& options) {
    fs::create_directories(directory);
    const Scene scene = makeScene(options.seed, options.width, options.height);
    writeRecordProduct(directory, scene);
    writeFastProduct(directory, scene);
    return {directory / (std::string(kRecordProduct) + ".LAB"),
            directory / (std::string(kFastProduct) + ".LAB")};
}

}  // namespace qm::sample
