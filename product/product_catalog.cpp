#include "product/product_catalog.h"

#include <new>

#include "paths/paths.h"
#include "platform/platform.h"
#include "text/ascii.h"
#include "text/decimal.h"

namespace qm {
namespace {

constexpr std::size_t kHeaderPixelsOffset = 842;
constexpr std::size_t kHeaderLinesOffset = 864;

constexpr char kLogicalFormatSection[] = "Logical Format";
constexpr char kFileNameMaskSection[] = "FileNameMask";
constexpr char kAnyFileMask[] = "*";

}  // namespace

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
    formatCode_ = 0;
    labelPath_.clear();
    satellite_ = sensor_ = logicalFormat_ = "";
}

void ProductCatalog::readConfiguration(const char* satellite, const char* sensor,
                                       const char* logicalFormat) {
    satellite_ = textOrEmpty(satellite);
    sensor_ = textOrEmpty(sensor);
    logicalFormat_ = textOrEmpty(logicalFormat);

    // Without a configuration file or a logical format every key reads as absent.
    const std::string configPath = configurationFilePath();
    if (configPath.empty() || *logicalFormat_ == '\0') {
        formatCode_ = 0;
        fileNameMask_ = std::string(kAnyFileMask);
        return;
    }
    formatCode_ = platform::profileInt(configPath, kLogicalFormatSection, logicalFormat_, 0);
    fileNameMask_ = platform::profileString(configPath, kFileNameMaskSection, logicalFormat_,
                                            kAnyFileMask, kMaskBufferSize);
}

bool ProductCatalog::discoverBands() {
    if (formatCode_ == 0)
        return false;
    const std::string directory = productDirectoryOf(labelPath_);
    if (directory.empty() || !platform::setCurrentDirectory(directory))
        return false;

    // Every name the search yields is offered, sub-directories included.
    const std::vector<std::string> names = platform::findFiles(fileNameMask_);
    if (names.empty())
        return false;
    // Read once for all the bands; without it no fast-format band can be added.
    HeaderNumbers header;
    if (formatCode_ == static_cast<int>(BandFormat::Fast) &&
        !readFastFormatHeader(header.pixels, header.lines))
        return false;
    for (const std::string& name : names) {
        if (!addBand(directory, name, header))
            return false;
    }
    return true;
}

BandImage* ProductCatalog::band(int index) const {
    if (index < 0 || index >= bandCount())
        return nullptr;
    return bands_[static_cast<std::size_t>(index)].get();
}

BandImage* ProductCatalog::addBand(const std::string& directory, const std::string& fileName,
                                   const HeaderNumbers& header) {
    if (bandCount() >= kMaxBands)
        return nullptr;
    std::unique_ptr<BandImage> band = createBand(directory, fileName, header);
    if (!band)
        return nullptr;
    bands_.push_back(std::move(band));
    return bands_.back().get();
}

std::unique_ptr<BandImage> ProductCatalog::createBand(const std::string& directory,
                                                      const std::string& fileName,
                                                      const HeaderNumbers& header) const {
    // A path longer than a path buffer would reach the band cut short; refuse it.
    const std::string path = directory + fileName;
    if (!platform::fitsPath(path))
        return nullptr;
    auto band = std::make_unique<BandImage>();
    if (!band->setPath(path))
        return nullptr;
    const std::optional<BandFormat> format = bandFormatOf(formatCode_);
    if (!format)
        return nullptr;
    if (!band->readGeometry(*format, satellite_, sensor_, header.pixels, header.lines))
        return nullptr;
    return band;
}

bool ProductCatalog::readFastFormatHeader(int& headerPixels, int& headerLines) const {
    const std::string directory = productDirectoryOf(labelPath_);
    if (directory.empty() || !platform::setCurrentDirectory(directory))
        return false;
    const std::vector<std::string> names = platform::findFiles(kFastFormatHeaderPattern);
    if (names.empty())
        return false;

    std::string text;
    if (!platform::readTextFile(directory + names.front(), text))
        return false;
    return parseFastFormatHeader(text, headerPixels, headerLines);
}

bool parseFastFormatHeader(std::string_view text, int& headerPixels, int& headerLines) {
    if (text.size() <= kHeaderPixelsOffset || text.size() <= kHeaderLinesOffset)
        return false;
    headerPixels = decimalValue(text.substr(kHeaderPixelsOffset));
    headerLines = decimalValue(text.substr(kHeaderLinesOffset));
    return true;
}

}  // namespace qm
