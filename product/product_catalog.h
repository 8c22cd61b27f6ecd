// The open product: where its label file lies, what the configuration file says
// about its logical format, and the bands found in its product directory.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "band/band_image.h"
#include "paths/paths.h"
#include "platform/platform.h"
#include "product/discovery_outcome.h"
#include "product/fast_header.h"
#include "product/landsat_scene.h"

namespace qm {

// What the headers say of one band of the catalogue.
struct BandFacts {
    std::optional<std::size_t> headerIndex;  // into headers(); none when no header names it
    std::optional<BandCalibration> calibration;
};

class ProductCatalog {
  public:
    static constexpr int kMaxBands = 50;
    // The file-name mask arrives through a path buffer: at most 259 characters.
    static constexpr std::size_t kMaskBufferSize = platform::kMaxPath;
    // The product's fast-format header file, found in the product directory.
    static constexpr char kFastFormatHeaderPattern[] = "L7*_HRF.FST";

    // The catalogue reads the given configuration file: QMDATA.INI beside the program
    // unless a caller (the command-line tool's --config, tests) names another.
    explicit ProductCatalog(std::string configurationPath = configurationFilePath());
    ProductCatalog(const ProductCatalog&) = delete;
    ProductCatalog& operator=(const ProductCatalog&) = delete;

    // Empties the catalogue and remembers the label file's path. An empty path is
    // refused and changes nothing (the bands held stay).
    bool reset(std::string_view labelPath);

    // Opens a Landsat 7 scene by one of its headers, with no label: the bands every
    // header of the scene names whose file is in the folder, in band order, each
    // with its own header's size and named from the configuration's band-layout
    // section of the header's satellite and sensor (BANDnn), else by its number.
    // True when the scene has a band; outcome() says why not otherwise.
    bool openScene(const std::string& headerPath);
    // Drops every band, the label path, the header path, the format code and the
    // name texts.
    void clear();

    // Keeps the label's three texts by reference (they belong to the label file and
    // must outlive their use here; null counts as empty) and looks the logical
    // format up in the configuration file: its format code (0 when absent) and the
    // band files' name mask ("*" when absent).
    void readConfiguration(const char* satellite, const char* sensor, const char* logicalFormat);

    // Adds a band for every name of the product directory matching the mask, in
    // search order; the directory is searched by its path, the process's current
    // directory is left alone. True when the search ran to its end; false when
    // there was nothing to search, nothing matched, or a band could not be added
    // (the bands before it stay, no later name is looked at). outcome() says which.
    bool discoverBands();

    // The fast-format header's pixels per line and line count, from the first file
    // of the product directory matching L7*_HRF.FST. False when there is no product
    // directory, no header file, or the header cannot be read.
    bool readFastFormatHeader(int& headerPixels, int& headerLines);

    // Whether writing to the path would overwrite a file of the open product: its
    // label, its fast-format headers, a band file or the configuration file in use.
    bool holdsFile(const std::string& path) const;

    int bandCount() const { return static_cast<int>(bands_.size()); }
    // The band in that slot, or null when the index is out of range.
    BandImage* band(int index) const;
    // The slot of the band, -1 when the catalogue does not hold it.
    int indexOf(const BandImage* band) const;

    // What the headers say of the band in that slot.
    const BandFacts& bandFacts(int index) const;

    int formatCode() const { return formatCode_; }
    const std::string& fileNameMask() const { return fileNameMask_; }
    // Whether the configuration has a mask for the logical format ("*" stands in
    // when it has none).
    bool fileNameMaskConfigured() const { return fileNameMaskConfigured_; }
    // The label, or the header a scene was opened by.
    const std::string& labelPath() const { return labelPath_; }
    bool isScene() const { return isScene_; }
    const std::string& configurationPath() const { return configurationPath_; }
    // Where the band files lie: the label path's product directory, or the folder
    // of a scene's headers; empty when the label path gives none.
    std::string productDirectory() const;
    // The fast-format headers read: a label product's L7*_HRF.FST, a scene's own.
    const std::vector<SceneHeader>& headers() const { return headers_; }
    // The files a scene's headers name that its folder lacks.
    const std::vector<std::string>& missingFiles() const { return missingFiles_; }
    const DiscoveryOutcome& outcome() const { return outcome_; }
    const char* satellite() const { return satellite_; }
    const char* sensor() const { return sensor_; }
    const char* logicalFormat() const { return logicalFormat_; }

  private:
    // The fast-format header's numbers, shared by every band of a fast-format product;
    // both 0 for the record format, which ignores them.
    struct HeaderNumbers {
        int pixels = 0;
        int lines = 0;
    };

    // Where discovery stops: the outcome is recorded and false given back.
    bool stop(DiscoveryStop stop, std::string file = {}, BandRefusal refusal = {});
    // Why discovery cannot start (nothing when it can): the label's logical format,
    // the configuration and the product directory.
    std::optional<DiscoveryStop> startRefusal(const std::string& directory) const;
    // The header's numbers for a fast-format product; false when discovery stopped.
    bool readHeaderForDiscovery(HeaderNumbers& header);
    // Stops discovery (false) when the band cannot be added.
    bool addBand(const std::string& path, const HeaderNumbers& header);
    // The band at the path, or null with the reason it is none.
    std::unique_ptr<BandImage> createBand(const std::string& path, const HeaderNumbers& header,
                                          BandRefusal& refusal) const;
    // What the label product's header says of the band file.
    BandFacts headerFactsOf(const std::string& bandPath) const;
    // A scene's band under its configured or numbered name.
    std::unique_ptr<BandImage> sceneBand(const SceneBand& band) const;
    std::string sceneBandName(const SceneBand& band) const;

    std::string configurationPath_;
    const char* satellite_ = "";
    const char* sensor_ = "";
    const char* logicalFormat_ = "";
    int formatCode_ = 0;
    std::string fileNameMask_;
    bool fileNameMaskConfigured_ = false;
    std::string labelPath_;
    bool isScene_ = false;
    std::vector<SceneHeader> headers_;
    std::vector<std::string> missingFiles_;
    DiscoveryOutcome outcome_;
    std::vector<std::unique_ptr<BandImage>> bands_;
    std::vector<BandFacts> bandFacts_;  // one per band
};

// Where a label product's fast-format header states its pixels per line and its line
// count, in its text with every line end counted as one character.
inline constexpr std::size_t kHeaderPixelsOffset = 842;
inline constexpr std::size_t kHeaderLinesOffset = 864;

// The fast-format header's two numbers, taken from its text (line ends counted as
// one character): pixels per line at offset 842, line count at offset 864. False
// when the text ends before either offset.
bool parseFastFormatHeader(std::string_view text, int& headerPixels, int& headerLines);

}  // namespace qm
