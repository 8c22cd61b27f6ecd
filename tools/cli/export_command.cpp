#include "tools/cli/export_command.h"

#include <optional>
#include <string>

#include "paths/paths.h"
#include "platform/platform.h"
#include "product/open_product.h"
#include "tools/cli/band_choice.h"
#include "tools/cli/command_scope.h"
#include "tools/cli/console_message_boxes.h"
#include "tools/cli/parse_result.h"
#include "tools/cli/png_file.h"
#include "tools/cli/progress_line.h"
#include "view/auto_levels.h"
#include "view/band_change.h"
#include "view/bitmap_file.h"
#include "view/image_view.h"

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
    int fail(const std::string& file, const std::string& reason) const;
    std::optional<ChosenBands> chooseBands(const ProductCatalog& catalog) const;
    bool applyLevels(ImageView& view, ChannelLevels& levels) const;
    int write(const ImageView& view, const std::string& outputPath) const;
    int writePng(const ImageView& view, const std::string& outputPath) const;

    const Arguments& arguments_;
    std::ostream& err_;
    ProgressLine& progress_;
};

int ExportRun::fail(const std::string& file, const std::string& reason) const {
    progress_.clear();
    err_ << platform::consoleTextFromAnsi(std::string(kProgramName) + ": " + file + ": " + reason)
         << '\n';
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
        text += (text.empty() ? "" : ", ") + lastPathComponent(band->path()) + " (" +
                std::to_string(band->fileSize()) + " bytes, " +
                std::to_string(band->pixelsPerLine()) + " x " + std::to_string(band->lineCount()) +
                ")";
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
    if (arguments_.autoClipPercent) {
        for (int k = 0; k < shownChannels(view.mode()); ++k) {
            if (const BandImage* band = view.shownBand(k))
                levels[k] = clippedLevels(band->histogram()->counts, *arguments_.autoClipPercent);
        }
        view.applyLevels(levels);
        return true;
    }
    if (arguments_.levels.empty())
        return true;
    for (std::size_t i = 0; i < arguments_.levels.size() && i < levels.size(); ++i)
        levels[i] = arguments_.levels[i];
    view.applyLevels(levels);
    return true;
}

int ExportRun::write(const ImageView& view, const std::string& outputPath) const {
    if (isPngName(outputPath))
        return writePng(view, outputPath);
    if (!bitmapFileLayout(view.mode(), view.pixelsPerLine(), view.lineCount())) {
        return fail(arguments_.outputPath, "a picture of " + std::to_string(view.pixelsPerLine()) +
                                               " x " + std::to_string(view.lineCount()) +
                                               " pixels is too large for a bitmap file");
    }
    progress_.show(std::string(kProgramName) + ": writing " + arguments_.outputPath);
    if (!view.exportBitmap(outputPath))
        return fail(arguments_.outputPath, "cannot create or write the file");
    return kExitSuccess;
}

int ExportRun::writePng(const ImageView& view, const std::string& outputPath) const {
    if (!fitsPng(view)) {
        return fail(arguments_.outputPath, "a picture of " + std::to_string(view.pixelsPerLine()) +
                                               " x " + std::to_string(view.lineCount()) +
                                               " pixels is too large for a PNG file");
    }
    progress_.show(std::string(kProgramName) + ": writing " + arguments_.outputPath);
    if (!cli::writePng(view, outputPath))
        return fail(arguments_.outputPath, "cannot create or write the file");
    return kExitSuccess;
}

int ExportRun::run() {
    // Both paths are made full before discovery moves into the product directory.
    const ConfigurationChoice configuration(fullProgramPath(arguments_.configPath));
    const std::string outputPath =
        platform::fullPath(platform::fromNativePath(arguments_.outputPath));
    if (outputPath.empty())
        return fail(arguments_.outputPath, "cannot create the file (path too long or invalid)");

    progress_.show(std::string(kProgramName) + ": opening " + arguments_.labelPath);
    const OpenedProduct product(fullProgramPath(arguments_.labelPath));
    if (!product.labelRead())
        return fail(arguments_.labelPath, parseResultMeaning(product.parseResult()));
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
        return fail(band->path(), "cannot load the band file");

    if (!applyLevels(view, levels))
        return kExitFailure;
    return write(view, outputPath);
}

int exportOne(const Arguments& arguments, std::ostream& err, Progress progress) {
    const CurrentDirectoryKeeper keeper;
    ProgressLine line(err, progress == Progress::Shown);
    const ConsoleMessageBoxes boxes(err, line);
    return ExportRun(arguments, err, line).run();
}

// "SCENE01.LAB" (in any folder) gives "SCENE01.bmp".
std::string fileNameFor(const std::string& labelPath) {
    const std::string name = lastPathComponent(platform::fromNativePath(labelPath));
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
        out << platform::consoleTextFromAnsi(label + ": " +
                                             (written ? "wrote " + one.outputPath : "failed"))
            << '\n';
        if (!written)
            status = kExitFailure;
    }
    return status;
}

}  // namespace qm::cli
