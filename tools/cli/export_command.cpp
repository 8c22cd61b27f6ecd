#include "tools/cli/export_command.h"

#include <optional>
#include <string>
#include <vector>

#include "paths/paths.h"
#include "platform/platform.h"
#include "product/georeference_files.h"
#include "product/open_product.h"
#include "tools/cli/band_choice.h"
#include "tools/cli/console_message_boxes.h"
#include "tools/cli/console_words.h"
#include "tools/cli/png_file.h"
#include "tools/cli/progress_line.h"
#include "view/band_change.h"
#include "view/bitmap_file.h"
#include "view/image_view.h"
#include "view/picture_georeference.h"

namespace qm::cli {
namespace {

// One export: the steps share the arguments, the stream for messages and the
// progress line.
class ExportRun {
  public:
    ExportRun(const Arguments& arguments, std::ostream& err, ProgressLine& progress)
        : arguments_(arguments), err_(err), progress_(progress) {}

    int run();

  private:
    // The file as the user spelled it (console text) and why it failed.
    int fail(const std::string& shownFile, const std::string& reason) const;
    // The same for a reason that is console text already.
    int failWithConsoleText(const std::string& shownFile, const std::string& reason) const;
    std::optional<ChosenBands> chooseBands(const ProductCatalog& catalog) const;
    bool applyLevels(ImageView& view, ChannelLevels& levels) const;
    int write(const ImageView& view, const std::string& outputPath,
              const ProductCatalog& catalog) const;

    const Arguments& arguments_;
    std::ostream& err_;
    ProgressLine& progress_;
};

int ExportRun::fail(const std::string& shownFile, const std::string& reason) const {
    progress_.clear();
    err_ << errorLine(shownFile, reason) << '\n';
    return kExitFailure;
}

int ExportRun::failWithConsoleText(const std::string& shownFile, const std::string& reason) const {
    progress_.clear();
    err_ << consoleErrorLine(shownFile, reason) << '\n';
    return kExitFailure;
}

std::optional<ChosenBands> ExportRun::chooseBands(const ProductCatalog& catalog) const {
    ChosenBands chosen{};
    for (std::size_t i = 0; i < arguments_.bands.size(); ++i) {
        const std::string& word = arguments_.bands[i];
        if (word == kNoBandChoice)
            continue;
        chosen[i] = findBand(catalog, word);
        if (!chosen[i]) {
            fail(arguments_.labelPath, "no band \"" + word + "\" among the product's " +
                                           std::to_string(catalog.bandCount()) + " bands");
            return std::nullopt;
        }
    }
    return chosen;
}

// "SCENE_B1.DAT (8800 bytes, 788 x 10), ..."
std::string describeSizes(const ChosenBands& chosen) {
    std::string text;
    for (const BandImage* band : chosen) {
        if (!band)
            continue;
        text +=
            (text.empty() ? "" : ", ") + platform::consolePath(lastPathComponent(band->path())) +
            " (" + std::to_string(band->fileSize()) + " bytes, " +
            std::to_string(band->pixelsPerLine()) + " x " + std::to_string(band->lineCount()) + ")";
    }
    return text;
}

// The first channel whose band the view could not load: its load failed, or one
// before it did and the view stopped there.
const BandImage* unloadedBand(const ImageView& view) {
    for (int i = 0; i < ImageView::kChannelCount; ++i) {
        if (view.channel(i) && !view.shownBand(i))
            return view.channel(i);
    }
    return nullptr;
}

// The pairs of --levels, or the automatic ones; false when the automatic ones are
// refused. After the band change every pair is the full range already.
bool ExportRun::applyLevels(ImageView& view, ChannelLevels& levels) const {
    if (arguments_.autoTrueColour) {
        if (applyTrueColourLevels(view, levels))
            return true;
        fail(arguments_.labelPath, "--auto-true-colour needs three bands, chosen with --rgb");
        return false;
    }
    // A stretch always finds a band here: a chosen band that failed to load has
    // been refused already.
    if (arguments_.autoClipPercent) {
        applyClippedLevels(view, levels, *arguments_.autoClipPercent);
        return true;
    }
    if (arguments_.autoStddev) {
        applyDeviationLevels(view, levels, *arguments_.autoStddev);
        return true;
    }
    if (arguments_.levels.empty())
        return true;
    for (std::size_t i = 0; i < arguments_.levels.size() && i < levels.size(); ++i)
        levels[i] = arguments_.levels[i];
    view.applyLevels(levels);
    return true;
}

// The picture goes to a PNG file when the name asks for one, else to a bitmap.
int ExportRun::write(const ImageView& view, const std::string& outputPath,
                     const ProductCatalog& catalog) const {
    const bool png = isPngName(outputPath);
    const bool fits =
        png ? fitsPng(view)
            : bitmapFileLayout(view.mode(), view.pixelsPerLine(), view.lineCount()).has_value();
    if (!fits) {
        return fail(arguments_.outputPath, "a picture of " + std::to_string(view.pixelsPerLine()) +
                                               " x " + std::to_string(view.lineCount()) +
                                               " pixels is too large for a " +
                                               (png ? "PNG" : "bitmap") + " file");
    }
    const std::optional<BandGeoreference> georeference =
        arguments_.noWorldFile ? std::nullopt : pictureGeoreference(view, catalog);
    // Writing over the label, a band or the configuration would destroy the product.
    for (const std::string& file : exportedFiles(outputPath, georeference.has_value())) {
        if (catalog.holdsFile(file))
            return fail(file == outputPath ? arguments_.outputPath : platform::consolePath(file),
                        "refusing to write over a file of the product being exported");
    }
    progress_.show(std::string(kProgramName) + ": writing " + arguments_.outputPath);
    const platform::WriteFailure failure =
        png ? writePng(view, outputPath) : view.exportBitmap(outputPath);
    if (failure != platform::WriteFailure::None)
        return fail(arguments_.outputPath, writeFailureMeaning(failure));
    if (georeference) {
        const platform::WriteFailure sidecar = writeGeoreferenceFiles(outputPath, *georeference);
        if (sidecar != platform::WriteFailure::None)
            return fail(platform::consolePath(worldFilePath(outputPath)),
                        writeFailureMeaning(sidecar));
    }
    return kExitSuccess;
}

int ExportRun::run() {
    const std::string outputPath = programPath(arguments_.outputPath);
    if (!platform::fitsPath(outputPath))
        return fail(arguments_.outputPath,
                    writeFailureMeaning(platform::WriteFailure::NameTooLong));

    progress_.show(std::string(kProgramName) + ": opening " + arguments_.labelPath);
    const OpenedProduct product(programPath(arguments_.labelPath),
                                configurationPathFor(arguments_.configPath));
    if (const std::optional<std::string> reason = noBandReason(product))
        return failWithConsoleText(arguments_.labelPath, *reason);
    const std::optional<ChosenBands> chosen = chooseBands(product.catalog());
    if (!chosen)
        return kExitFailure;

    progress_.show(std::string(kProgramName) + ": loading bands");
    ImageView view;
    view.setMode(arguments_.bands.size() == 1 ? DisplayMode::SingleBand : DisplayMode::ThreeBand);
    ChannelLevels levels;
    if (!changeBands(view, *chosen, levels, nullptr))
        return fail(arguments_.labelPath, "the bands differ in size: " + describeSizes(*chosen));
    if (const BandImage* band = unloadedBand(view))
        return fail(platform::consolePath(band->path()), "cannot load the band file");

    if (!applyLevels(view, levels))
        return kExitFailure;
    return write(view, outputPath, product.catalog());
}

int exportOne(const Arguments& arguments, std::ostream& err, Progress progress) {
    ProgressLine line(err, progress == Progress::Shown);
    const ConsoleMessageBoxes boxes(err, line);
    return ExportRun(arguments, err, line).run();
}

// "SCENE01.LAB" (in any folder) gives "SCENE01.bmp".
std::string fileNameFor(const std::string& labelPath) {
    const std::string name = lastPathComponent(programPath(labelPath));
    const std::size_t dot = name.rfind('.');
    return (dot == std::string::npos || dot == 0 ? name : name.substr(0, dot)) + ".bmp";
}

}  // namespace

int runExport(const Arguments& arguments, std::ostream& out, std::ostream& err, Progress progress) {
    if (!namesFolder(arguments.outputPath))
        return exportOne(arguments, err, progress);
    int status = kExitSuccess;
    for (const std::string& label : arguments.labelPaths) {
        Arguments one = arguments;
        one.labelPath = label;
        one.outputPath = arguments.outputPath + fileNameFor(label);
        const bool written = exportOne(one, err, progress) == kExitSuccess;
        // Both paths as the user spelled them: the label as given, the file after the
        // folder as given.
        out << label << ": " << (written ? "wrote " + one.outputPath : std::string("failed"))
            << '\n';
        if (!written)
            status = kExitFailure;
    }
    return status;
}

}  // namespace qm::cli
