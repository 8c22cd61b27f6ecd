// The command line of quillmere-cli: what it asks for, or why it cannot be run.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "view/level_range.h"

namespace qm::cli {

inline constexpr char kProgramName[] = "quillmere-cli";

// What stands for "no band" in a channel of --rgb.
inline constexpr char kNoBandChoice[] = "-";

struct Arguments {
    enum class Action { Info, Export, Pixel, Help, Version, UsageError };

    Action action = Action::UsageError;
    std::string labelPath;   // as given
    std::string configPath;  // as given to --config; empty for QMDATA.INI beside the program
    std::string error;       // what is wrong, for a usage error

    // info
    bool json = false;
    bool stats = false;  // load every band and report its histogram

    // export
    // Every label given, in order (labelPath is the first); several need an
    // output folder.
    std::vector<std::string> labelPaths;
    std::string outputPath;  // as given to -o
    // One band (--band, single-band mode) or three (--rgb, red, green, blue), each a
    // 1-based catalogue index, a display name or kNoBandChoice.
    std::vector<std::string> bands;
    // Empty, or one pair per entry of bands (--levels).
    std::vector<LevelRange> levels;
    bool autoTrueColour = false;
    // --auto-clip P: each channel stretched between the P and 100 - P percentiles.
    std::optional<double> autoClipPercent;
    // --auto-stddev K: each channel stretched K deviations either side of its mean.
    std::optional<double> autoStddev;
    // --no-world-file: no world file and no auxiliary XML beside a georeferenced picture.
    bool noWorldFile = false;

    // pixel: the pixel of the product's first band, from 0 at its top-left.
    std::int32_t column = 0;
    std::int32_t line = 0;
};

// Reads the arguments after the program name:
//   info LABEL [--config FILE] [--json] [--stats]
//   export LABEL -o OUT [--config FILE] (--band B | --rgb R,G,B)
//          [--levels L:H[,L:H,L:H] | --auto-true-colour | --auto-clip P |
//           --auto-stddev K] [--no-world-file]
//   pixel PRODUCT COLUMN LINE [--config FILE] [--json]
// with the options in any order after the command, or --help / -h or --version
// anywhere (help first). An option's value may also follow it after '='
// ("--levels=-100:300"), as GNU programs accept.
Arguments parseArguments(const std::vector<std::string>& arguments);

// Whether -o names a folder (it ends with a path separator): one file per product.
bool namesFolder(std::string_view outputPath);

// Whether the option takes the next word as its value (-o, --config, --band, ...).
bool optionTakesValue(std::string_view word);

// A usage error with the given reason.
Arguments usageError(std::string error);

// The short form of the command line, for usage errors.
const char* usageLine();
// The full description that --help prints.
const char* helpText();
// What --version prints: the program's name and version.
std::string versionLine();

}  // namespace qm::cli
