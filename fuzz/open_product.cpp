// One input as a whole product: a label file, the configuration file, the
// fast-format header and two band files, opened and reported as `quillmere-cli
// info` does: the label parsed, the logical format looked up, the bands discovered
// and measured, optionally loaded for their histograms, the report as text or JSON.
//
// Input: a choice byte, then the five files separated by kPartSeparator.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "fuzz/support/fuzz_folder.h"
#include "fuzz/support/fuzz_input.h"
#include "fuzz/support/require.h"
#include "product/product_catalog.h"
#include "tools/cli/arguments.h"
#include "tools/cli/info_command.h"

namespace qm::fuzz {
namespace {

// The band files carry the names the sample configuration's masks look for.
constexpr const char* kRecordBandNames[] = {"SCENE/SCENE_B1.DAT", "SCENE/SCENE_B2.DAT"};
constexpr const char* kFastBandNames[] = {"SCENE/L7SCENE_B10.FST", "SCENE/L7SCENE_B80.FST"};

// Writes the product afresh: no band file of an earlier run stays behind.
void writeProduct(const std::vector<std::string_view>& files, bool fastNames) {
    std::filesystem::remove_all(fuzzFolder().native("SCENE"));
    writeFuzzFile("SCENE.LAB", files[0]);
    writeFuzzFile("QMDATA.INI", files[1]);
    writeFuzzFile("SCENE/L7SCENE_HRF.FST", files[2]);
    const auto& bandNames = fastNames ? kFastBandNames : kRecordBandNames;
    writeFuzzFile(bandNames[0], files[3]);
    writeFuzzFile(bandNames[1], files[4]);
}

// The JSON report is valid JSON (texts made UTF-8) and lists at most 50 bands.
void checkJsonReport(const std::string& report) {
    const nlohmann::json parsed = nlohmann::json::parse(report);
    require(parsed.at("bands").size() <= ProductCatalog::kMaxBands, "at most 50 bands");
}

}  // namespace
}  // namespace qm::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qm;
    fuzz::FuzzInput input(data, size);
    const std::uint8_t flags = input.byte();
    fuzz::writeProduct(input.parts(5), flags & 4);

    cli::Arguments arguments;
    arguments.action = cli::Arguments::Action::Info;
    arguments.labelPath = fuzz::fuzzFolder().native("SCENE.LAB").string();
    arguments.configPath = fuzz::fuzzFolder().native("QMDATA.INI").string();
    arguments.json = flags & 1;
    arguments.stats = flags & 2;
    std::ostringstream out;
    std::ostringstream err;
    cli::runInfo(arguments, out, err);
    if (arguments.json)
        fuzz::checkJsonReport(out.str());
    return 0;
}
