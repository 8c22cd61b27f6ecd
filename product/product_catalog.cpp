#include "product/product_catalog.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <utility>

#include "paths/paths.h"
#include "platform/platform.h"
#include "product/texts.h"
#include "text/ascii.h"
#include "text/decimal.h"

namespace qm {
namespace {

constexpr char kLogicalFormatSection[] = "Logical Format";
constexpr char kFileNameMaskSection[] = "FileNameMask";
constexpr char kAnyFileMask[] = "*";

// A folder path without its closing separator, as the system examines a folder.
bool folderExists(const std::string& directory) {
    const std::string folder = directory.substr(0, directory.size() - 1);
    return !folder.empty() && platform::fileSize(folder) >= 0;
}

}  // namespace

ProductCatalog::ProductCatalog(std::string configurationPath)
    : configurationPath_(std::move(configurationPath)) {}

bool ProductCatalog::reset(std::string_view labelPath) {
    if (labelPath.empty())
        return false;
    clear();
    try {
        labelPath_ = labelPath;
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

void ProductCatalog::clear() {
    bands_.clear();
    bandFacts_.clear();
    formatCode_ = 0;
    fileNameMaskConfigured_ = false;
    labelPath_.clear();
    isScene_ = false;
    headers_.clear();
    missingFiles_.clear();
    outcome_ = DiscoveryOutcome{};
    satellite_ = sensor_ = logicalFormat_ = "";
}

std::string ProductCatalog::productDirectory() const {
    return isScene_ ? directoryOf(labelPath_) : productDirectoryOf(labelPath_);
}

const BandFacts& ProductCatalog::bandFacts(int index) const {
    static const BandFacts kNone;
    if (index < 0 || index >= bandCount())
        return kNone;
    return bandFacts_[static_cast<std::size_t>(index)];
}

bool ProductCatalog::openScene(const std::string& headerPath) {
    clear();
    labelPath_ = headerPath;
    isScene_ = true;
    std::optional<LandsatScene> scene = readLandsatScene(headerPath);
    if (!scene)
        return stop(DiscoveryStop::SceneHeaderUnreadable, headerPath);
    headers_ = std::move(scene->headers);
    formatCode_ = static_cast<int>(BandFormat::Fast);
    const FastHeader& first = headers_.front().header;
    // A scene has no label to borrow them from: its first header lends them.
    satellite_ = first.satellite ? first.satellite->c_str() : "";
    sensor_ = first.sensor ? first.sensor->c_str() : "";
    for (const SceneBand& band : scene->bands) {
        if (band.path.empty()) {
            missingFiles_.push_back(band.fileName);
            continue;
        }
        if (bandCount() >= kMaxBands)
            return stop(DiscoveryStop::TooManyBands);
        bands_.push_back(sceneBand(band));
        bandFacts_.push_back({band.headerIndex, band.calibration});
    }
    return stop(bands_.empty() ? DiscoveryStop::SceneFilesMissing : DiscoveryStop::Completed);
}

std::unique_ptr<BandImage> ProductCatalog::sceneBand(const SceneBand& band) const {
    const FastHeader& header = headers_[band.headerIndex].header;
    auto image = std::make_unique<BandImage>();
    image->setPath(band.path);
    image->setSceneGeometry(sceneBandName(band), header.pixelsPerLine.value_or(0),
                            header.linesPerBand.value_or(0));
    return image;
}

// The name the configuration gives the band's key ("BAND61") in the section of the
// header's satellite and sensor; else the band's number; else the file name.
std::string ProductCatalog::sceneBandName(const SceneBand& band) const {
    const FastHeader& header = headers_[band.headerIndex].header;
    const std::string section = header.satellite.value_or("") + header.sensor.value_or("");
    char key[16];
    std::snprintf(key, sizeof key, "BAND%02d", band.code % 100);
    if (std::optional<std::string> configured =
            configuredBandName(configurationPath_, section, key))
        return *std::move(configured);
    for (const texts::SceneBandName& named : texts::kSceneBandNames) {
        if (named.code == band.code)
            return named.name;
    }
    return fileBandName(band.path);
}

void ProductCatalog::readConfiguration(const char* satellite, const char* sensor,
                                       const char* logicalFormat) {
    satellite_ = textOrEmpty(satellite);
    sensor_ = textOrEmpty(sensor);
    logicalFormat_ = textOrEmpty(logicalFormat);

    // Without a configuration file or a logical format every key reads as absent.
    formatCode_ = 0;
    fileNameMask_ = std::string(kAnyFileMask);
    fileNameMaskConfigured_ = false;
    if (configurationPath_.empty() || *logicalFormat_ == '\0')
        return;
    formatCode_ =
        platform::profileInt(configurationPath_, kLogicalFormatSection, logicalFormat_, 0);
    fileNameMask_ = platform::profileString(configurationPath_, kFileNameMaskSection,
                                            logicalFormat_, kAnyFileMask, kMaskBufferSize);
    // A key that is there reads the same whatever the default; an absent one gives
    // the default, so two defaults tell the two apart.
    fileNameMaskConfigured_ =
        fileNameMask_ == platform::profileString(configurationPath_, kFileNameMaskSection,
                                                 logicalFormat_, "", kMaskBufferSize);
}

bool ProductCatalog::stop(DiscoveryStop stop, std::string file, BandRefusal refusal) {
    outcome_ = DiscoveryOutcome{stop, std::move(file), refusal};
    return stop == DiscoveryStop::Completed;
}

std::optional<DiscoveryStop> ProductCatalog::startRefusal(const std::string& directory) const {
    if (formatCode_ != 0) {
        if (directory.empty())
            return DiscoveryStop::NoProductFolder;
        if (!folderExists(directory))
            return DiscoveryStop::ProductFolderMissing;
        return std::nullopt;
    }
    if (*logicalFormat_ == '\0')
        return DiscoveryStop::NoLogicalFormat;
    if (platform::fileSize(configurationPath_) < 0)
        return DiscoveryStop::ConfigurationMissing;
    return DiscoveryStop::UnknownLogicalFormat;
}

bool ProductCatalog::discoverBands() {
    const std::string directory = productDirectory();
    if (const std::optional<DiscoveryStop> refusal = startRefusal(directory))
        return stop(*refusal);

    // Every name the search yields is offered, sub-directories included.
    const std::vector<std::string> names = platform::findFiles(directory + fileNameMask_);
    if (names.empty())
        return stop(DiscoveryStop::NoMatchingFile);
    // Read once for all the bands; without it no fast-format band can be added.
    HeaderNumbers header;
    if (formatCode_ == static_cast<int>(BandFormat::Fast) && !readHeaderForDiscovery(header))
        return false;
    for (const std::string& name : names) {
        if (!addBand(directory + name, header))
            return false;
    }
    return stop(DiscoveryStop::Completed);
}

bool ProductCatalog::readHeaderForDiscovery(HeaderNumbers& header) {
    if (readFastFormatHeader(header.pixels, header.lines))
        return true;
    if (headers_.empty())
        return stop(DiscoveryStop::NoFastFormatHeader);
    return stop(DiscoveryStop::HeaderUnreadable, headers_.front().path);
}

BandImage* ProductCatalog::band(int index) const {
    if (index < 0 || index >= bandCount())
        return nullptr;
    return bands_[static_cast<std::size_t>(index)].get();
}

int ProductCatalog::indexOf(const BandImage* band) const {
    for (int i = 0; i < bandCount(); ++i) {
        if (bands_[static_cast<std::size_t>(i)].get() == band)
            return i;
    }
    return -1;
}

bool ProductCatalog::addBand(const std::string& path, const HeaderNumbers& header) {
    if (bandCount() >= kMaxBands)
        return stop(DiscoveryStop::TooManyBands);
    BandRefusal refusal = BandRefusal::Unreadable;
    std::unique_ptr<BandImage> band = createBand(path, header, refusal);
    if (!band)
        return stop(DiscoveryStop::BandRefused, path, refusal);
    bands_.push_back(std::move(band));
    bandFacts_.push_back(headerFactsOf(path));
    return true;
}

BandFacts ProductCatalog::headerFactsOf(const std::string& bandPath) const {
    if (headers_.empty())
        return {};
    const std::string fileName = lastPathComponent(bandPath);
    const FastHeader& header = headers_.front().header;
    const bool named =
        std::any_of(header.fileNames.begin(), header.fileNames.end(),
                    [&](const std::string& name) { return equalsAsciiNoCase(name, fileName); });
    if (!named)
        return {};
    return {std::size_t{0}, calibrationFor(header, fileName)};
}

std::unique_ptr<BandImage> ProductCatalog::createBand(const std::string& path,
                                                      const HeaderNumbers& header,
                                                      BandRefusal& refusal) const {
    // A path longer than a path buffer would reach the band cut short; refuse it.
    refusal = BandRefusal::PathTooLong;
    if (!platform::fitsPath(path))
        return nullptr;
    auto band = std::make_unique<BandImage>();
    refusal = BandRefusal::Unreadable;
    if (!band->setPath(path))
        return nullptr;
    const std::optional<BandFormat> format = bandFormatOf(formatCode_);
    refusal = BandRefusal::UnknownFormat;
    if (!format)
        return nullptr;
    if (const std::optional<BandRefusal> refused = band->readGeometry(
            *format, configurationPath_, satellite_, sensor_, header.pixels, header.lines)) {
        refusal = *refused;
        return nullptr;
    }
    return band;
}

// The header's two numbers come from its offsets; the rest of it, read by its
// labels, gives the product's facts and the bands' calibrations.
bool ProductCatalog::readFastFormatHeader(int& headerPixels, int& headerLines) {
    headers_.clear();
    const std::string directory = productDirectory();
    if (directory.empty())
        return false;
    const std::vector<std::string> names =
        platform::findFiles(directory + kFastFormatHeaderPattern);
    if (names.empty())
        return false;

    const std::string path = directory + names.front();
    std::vector<std::uint8_t> bytes;
    if (!platform::readFileBytes(path, bytes)) {
        headers_.push_back({path, FastHeader{}});
        return false;
    }
    const std::string text = platform::textFromBytes(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    headers_.push_back({path, parseFastHeaderText(text)});
    return parseFastFormatHeader(text, headerPixels, headerLines);
}

bool ProductCatalog::holdsFile(const std::string& path) const {
    if (path.empty())
        return false;
    std::vector<const std::string*> files = {&labelPath_, &configurationPath_};
    for (const SceneHeader& header : headers_)
        files.push_back(&header.path);
    for (const auto& band : bands_)
        files.push_back(&band->path());
    for (const std::string* file : files) {
        if (!file->empty() && platform::sameFile(path, *file))
            return true;
    }
    return false;
}

bool parseFastFormatHeader(std::string_view text, int& headerPixels, int& headerLines) {
    if (text.size() <= kHeaderPixelsOffset || text.size() <= kHeaderLinesOffset)
        return false;
    headerPixels = decimalValue(text.substr(kHeaderPixelsOffset));
    headerLines = decimalValue(text.substr(kHeaderLinesOffset));
    return true;
}

}  // namespace qm
