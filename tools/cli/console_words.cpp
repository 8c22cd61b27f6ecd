#include "tools/cli/console_words.h"

#include "paths/paths.h"
#include "product/no_band_reason.h"
#include "tools/cli/arguments.h"

namespace qm::cli {
namespace {

const NoBandTemplates kNoBandTemplates = {
    // Every line names the label first, so the label's reasons need not again.
    .labelMissing = "cannot examine the file (missing or inaccessible)",
    .labelUnreadable = "cannot open or read the file",
    .labelWithoutMarker = "not a label file (no ZEPHYRLAB marker)",
    .noLogicalFormat = "the label names no \"Logical Format\"",
    .configurationMissing =
        "the configuration file %c is missing, so the logical format \"%f\" is unknown",
    .unknownLogicalFormat = "the logical format \"%f\" has no entry in [Logical Format] of %c",
    .noProductFolder = "the label's path gives no product folder (its name has no '.')",
    .productFolderMissing = "the product folder %d does not exist",
    .noMatchingFile = "no file in the product folder %d matches the mask \"%m\"",
    .noFileNameMask =
        " (the logical format \"%f\" has no [FileNameMask] entry in %c, so every name was tried)",
    .noFastFormatHeader =
        "the fast-format header L7*_HRF.FST is missing from the product folder %d",
    .headerUnreadable = "the fast-format header %h cannot be read or ends before its numbers",
    .bandRefused = "the first matching file %b is not a band: ",
    .sceneHeaderUnreadable = "the header %h cannot be read",
    .sceneFilesMissing = "none of the band files the scene's headers name is in %d",
    .refusals =
        {
            "its path is longer than 259 bytes",
            "the format code %k given to \"%f\" in %c is neither 1 (record format) nor 2 "
            "(fast format)",
            "it cannot be opened or measured",
            "it is shorter than its record length field or than one record",
            "its record length (bytes 8 to 11) is 0 or less",
            "section [%s] of %c places a framing field wider than 16 bytes",
        },
};

}  // namespace

const FactWords kFactWords = {
    .sections = {"Label", "Scene", "Processing", "Projection", "Sun", "Bands", "Missing files"},
    .captions =
        {
            "",
            "satellite",
            "sensor",
            "path/row",
            "acquisition date",
            "request id",
            "product type",
            "product size",
            "processing",
            "resampling",
            "sensor mode",
            "look angle",
            "pixel size (m)",
            "bits per pixel",
            "revision",
            "header",
            "map projection",
            "zone",
            "ellipsoid",
            "datum",
            "upper left",
            "upper right",
            "lower right",
            "lower left",
            "centre",
            "orientation angle",
            "offset",
            "geotransform",
            "not georeferenced: the header gives no picture size",
            "not georeferenced: corners absent or 0",
            "not georeferenced: the corners miss the fitted grid by",
            "no latitude and longitude for the projection",
            "sun elevation (deg)",
            "sun azimuth (deg)",
            "",
            "pixels x lines",
            "file size (bytes)",
            "bias",
            "gain",
            "missing",
        },
};

namespace {

std::string consoleText(std::string_view text) {
    return platform::consoleTextFromAnsi(text);
}

}  // namespace

std::string errorLine(std::string_view shownName, std::string_view reason) {
    return consoleErrorLine(shownName, consoleText(reason));
}

std::string consoleErrorLine(std::string_view shownName, std::string_view consoleReason) {
    return std::string(kProgramName) + ": " + std::string(shownName) + ": " +
           std::string(consoleReason);
}

std::string programPath(const std::string& given) {
    return platform::fromNativePath(given);
}

std::string configurationPathFor(const std::string& given) {
    return given.empty() ? configurationFilePath() : programPath(given);
}

std::optional<std::string> noBandReason(const OpenedProduct& product) {
    return qm::noBandReason(product.parseResult(), product.catalog(), kNoBandTemplates,
                            MessageSpelling{platform::consolePath, consoleText});
}

const char* writeFailureMeaning(platform::WriteFailure failure) {
    switch (failure) {
        case platform::WriteFailure::None:
            return "written";
        case platform::WriteFailure::FolderMissing:
            return "cannot create the file: its folder does not exist";
        case platform::WriteFailure::AccessDenied:
            return "cannot write the file: the folder or file is read-only or not yours";
        case platform::WriteFailure::DiskFull:
            return "cannot write the file: the disk is full";
        case platform::WriteFailure::NameTooLong:
            return "cannot create the file: its path is too long";
        case platform::WriteFailure::IsFolder:
            return "cannot write the file: a folder has that name";
        case platform::WriteFailure::Other:
            break;
    }
    return "cannot create or write the file";
}

}  // namespace qm::cli
