#include "product/landsat_scene.h"

#include <algorithm>

#include "paths/paths.h"
#include "platform/platform.h"
#include "text/ascii.h"

namespace qm {
namespace {

constexpr std::string_view kHeaderExtension = ".FST";
// "_Hxx.FST" closes a header's name; what stands before it names the scene.
constexpr std::size_t kHeaderTailLength = 8;
// A file whose name carries no band number goes after the numbered ones.
constexpr int kNoBandCode = 100;
// The header kinds in the order their bands come.
constexpr std::string_view kHeaderKinds[] = {"HRF", "HTM", "HPN"};

std::size_t kindRank(std::string_view headerName) {
    const std::string_view kind = headerName.substr(headerName.size() - 7, 3);
    for (std::size_t i = 0; i < std::size(kHeaderKinds); ++i) {
        if (equalsAsciiNoCase(kind, kHeaderKinds[i]))
            return i;
    }
    return std::size(kHeaderKinds);
}

// A FILENAME is a name in the header's folder, nothing else: no separator, no
// wildcard, nothing that leaves the folder.
bool isPlainFileName(std::string_view name) {
    return !name.empty() && name.find_first_of("\\/:*?\"<>|") == std::string_view::npos &&
           name != "." && name != "..";
}

// The folder's own spelling of the file, found without regard to case.
std::string foundFile(const std::string& folder, const std::string& fileName) {
    if (!isPlainFileName(fileName))
        return {};
    for (const std::string& name : platform::findFiles(folder + fileName)) {
        if (equalsAsciiNoCase(name, fileName))
            return folder + name;
    }
    return {};
}

std::vector<SceneHeader> sceneHeaders(const std::string& headerPath, FastHeader opened) {
    const std::string folder = directoryOf(headerPath);
    const std::string name = lastPathComponent(headerPath);
    const std::string scene = name.substr(0, name.size() - kHeaderTailLength);
    std::vector<std::string> names = platform::findFiles(folder + scene + "_H??.FST");
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return kindRank(a) < kindRank(b);
    });
    std::vector<SceneHeader> headers;
    for (const std::string& other : names) {
        if (equalsAsciiNoCase(other, name)) {
            headers.push_back({folder + other, opened});
        } else if (std::optional<FastHeader> header = readFastHeader(folder + other)) {
            headers.push_back({folder + other, std::move(*header)});
        }
    }
    // A folder search that misses the opened header (an odd name) still keeps it.
    if (headers.empty())
        headers.push_back({headerPath, std::move(opened)});
    return headers;
}

}  // namespace

bool isLandsatHeaderName(std::string_view path) {
    const std::string name = lastPathComponent(path);
    if (name.size() < 2 + kHeaderTailLength || !endsWithAsciiNoCase(name, kHeaderExtension))
        return false;
    const std::size_t tail = name.size() - kHeaderTailLength;
    return asciiUpper(name[0]) == 'L' && name[1] == '7' && name[tail] == '_' &&
           asciiUpper(name[tail + 1]) == 'H';
}

std::optional<int> bandCodeOf(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos || dot < 4)
        return std::nullopt;
    const std::string_view tail = fileName.substr(dot - 4, 4);
    if (tail[0] != '_' || asciiUpper(tail[1]) != 'B' || !isAsciiDigit(tail[2]) ||
        !isAsciiDigit(tail[3]))
        return std::nullopt;
    return (tail[2] - '0') * 10 + (tail[3] - '0');
}

std::optional<BandCalibration> calibrationFor(const FastHeader& header, std::string_view fileName) {
    for (std::size_t i = 0; i < header.fileNames.size() && i < header.calibrations.size(); ++i) {
        if (equalsAsciiNoCase(header.fileNames[i], fileName))
            return header.calibrations[i];
    }
    return std::nullopt;
}

std::optional<LandsatScene> readLandsatScene(const std::string& headerPath) {
    std::optional<FastHeader> opened = readFastHeader(headerPath);
    if (!opened || !isLandsatHeaderName(headerPath))
        return std::nullopt;
    LandsatScene scene;
    scene.headers = sceneHeaders(headerPath, std::move(*opened));
    const std::string folder = directoryOf(headerPath);
    for (std::size_t h = 0; h < scene.headers.size(); ++h) {
        const FastHeader& header = scene.headers[h].header;
        for (const std::string& fileName : header.fileNames) {
            // A file two headers name is one band, of the first header.
            const bool known = std::any_of(
                scene.bands.begin(), scene.bands.end(),
                [&](const SceneBand& band) { return equalsAsciiNoCase(band.fileName, fileName); });
            if (known)
                continue;
            scene.bands.push_back({bandCodeOf(fileName).value_or(kNoBandCode), fileName,
                                   foundFile(folder, fileName), h,
                                   calibrationFor(header, fileName)});
        }
    }
    std::stable_sort(scene.bands.begin(), scene.bands.end(),
                     [](const SceneBand& a, const SceneBand& b) { return a.code < b.code; });
    return scene;
}

}  // namespace qm
