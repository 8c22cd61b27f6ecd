#include "bench/gui/gui_product.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "bench/bench_support.h"
#include "product/product_catalog.h"

namespace qm::bench {
namespace {

constexpr char kConfiguration[] =
    "[Logical Format]\r\nFAST=2\r\n"
    "[FileNameMask]\r\nFAST=*_B*.FST\r\n";

// A header long enough to hold both numbers at their offsets.
constexpr std::size_t kHeaderBytes = 900;

// A label line: name/value texts in the columns, the marker the label reader
// looks for at column 199.
std::string labelText() {
    std::string line(256, ' ');
    const char* columns[] = {"Satellite : SAT1", "Sensor : OPT", "Logical Format : FAST"};
    const std::size_t starts[] = {0, 39, 79};
    for (std::size_t i = 0; i < 3; ++i)
        line.replace(starts[i], std::string(columns[i]).size(), columns[i]);
    line.replace(199, 9, "ZEPHYRLAB");
    return line + "\r\n";
}

std::string headerText() {
    std::string text(kHeaderBytes, 'h');
    const std::string pixels = std::to_string(kScenePixels) + " ";
    const std::string lines = std::to_string(kSceneLines) + " ";
    text.replace(kHeaderPixelsOffset, pixels.size(), pixels);
    text.replace(kHeaderLinesOffset, lines.size(), lines);
    return text;
}

bool writeText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

// Scene lines, each band from its own sequence; skipped when the file is there.
bool writeBand(const std::filesystem::path& path, std::uint32_t seed) {
    const auto size = static_cast<std::uintmax_t>(kScenePixels) * kSceneLines;
    std::error_code error;
    if (std::filesystem::file_size(path, error) == size && !error)
        return true;
    std::ofstream out(path, std::ios::binary);
    for (int line = 0; line < kSceneLines && out; ++line) {
        const std::vector<char> pixels = sceneLine(seed, kScenePixels);
        out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    }
    return static_cast<bool>(out);
}

}  // namespace

bool writeSceneProduct(const std::string& folder) {
    const std::filesystem::path root(folder);
    std::error_code error;
    std::filesystem::create_directories(root / "SCENE", error);
    if (!writeText(root / "QMDATA.INI", kConfiguration) ||
        !writeText(root / "SCENE.LAB", labelText()) ||
        !writeText(root / "SCENE" / "L7A_HRF.FST", headerText()))
        return false;
    for (int band = 1; band <= kSceneBands; ++band) {
        const std::string name = "SCENE_B" + std::to_string(band) + "0.FST";
        if (!writeBand(root / "SCENE" / name, static_cast<std::uint32_t>(band)))
            return false;
    }
    return true;
}

std::string sceneLabelPath(const std::string& folder) {
    return (std::filesystem::path(folder) / "SCENE.LAB").string();
}

std::string sceneConfigurationPath(const std::string& folder) {
    return (std::filesystem::path(folder) / "QMDATA.INI").string();
}

}  // namespace qm::bench
