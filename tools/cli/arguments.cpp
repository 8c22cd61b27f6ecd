#include "tools/cli/arguments.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "tools/cli/export_arguments.h"
#include "tools/cli/pixel_arguments.h"

namespace qm::cli {
namespace {

constexpr char kUsage[] =
    "usage: quillmere-cli info LABEL [--config FILE] [--json] [--stats]\n"
    "       quillmere-cli export LABEL -o OUT.BMP [--config FILE]\n"
    "                     (--band B | --rgb R,G,B) [--levels L:H[,L:H,L:H] |\n"
    "                     --auto-true-colour | --auto-clip P | --auto-stddev K]\n"
    "                     [--no-world-file]\n"
    "       quillmere-cli export LABEL... -o DIR/ (the same choices)\n"
    "       quillmere-cli pixel PRODUCT COLUMN LINE [--config FILE] [--json]\n"
    "       quillmere-cli --help | --version\n";

bool asksForHelp(const std::vector<std::string>& arguments) {
    return std::any_of(arguments.begin(), arguments.end(),
                       [](const std::string& a) { return a == "--help" || a == "-h"; });
}

bool asksForVersion(const std::vector<std::string>& arguments) {
    return std::find(arguments.begin(), arguments.end(), "--version") != arguments.end();
}

// The words after "info".
Arguments parseInfo(const std::vector<std::string>& arguments) {
    Arguments result;
    result.action = Arguments::Action::Info;
    bool labelGiven = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (word == "--json") {
            result.json = true;
        } else if (word == "--stats") {
            result.stats = true;
        } else if (word == "--config") {
            if (i + 1 == arguments.size())
                return usageError("--config needs a file name");
            result.configPath = arguments[++i];
        } else if (word.size() > 1 && word[0] == '-') {
            return usageError("unknown option " + word);
        } else if (labelGiven) {
            return usageError("more than one label file: " + word);
        } else {
            result.labelPath = word;
            labelGiven = true;
        }
    }
    if (!labelGiven)
        return usageError("no label file given");
    return result;
}

// The flags that take no value, for a clear error on "--json=yes".
bool isFlag(std::string_view name) {
    return name == "--json" || name == "--stats" || name == "--auto-true-colour" ||
           name == "--no-world-file" || name == "--help" || name == "--version";
}

// GNU's long-option form: "--levels=-100:300" is "--levels" "-100:300". A word that
// is itself the value of the option before it is left whole, and so are names that
// are not options of ours (they are refused later as unknown, as typed).
std::vector<std::string> splitInlineValues(const std::vector<std::string>& arguments,
                                           std::string& error) {
    std::vector<std::string> words;
    bool isValue = false;
    for (const std::string& word : arguments) {
        const std::size_t equals = word.find('=');
        const std::string_view name = std::string_view(word).substr(0, equals);
        if (isValue || !word.starts_with("--") || equals == std::string::npos) {
            words.push_back(word);
            isValue = !isValue && optionTakesValue(word);
        } else if (optionTakesValue(name)) {
            words.emplace_back(name);
            words.push_back(word.substr(equals + 1));
        } else if (isFlag(name)) {
            error = std::string(name) + " takes no value";
            return {};
        } else {
            words.push_back(word);
        }
    }
    return words;
}

}  // namespace

bool namesFolder(std::string_view outputPath) {
    return !outputPath.empty() && (outputPath.back() == '/' || outputPath.back() == '\\');
}

bool optionTakesValue(std::string_view word) {
    return word == "-o" || word == "--config" || word == "--band" || word == "--rgb" ||
           word == "--levels" || word == "--auto-clip" || word == "--auto-stddev";
}

Arguments usageError(std::string error) {
    Arguments result;
    result.action = Arguments::Action::UsageError;
    result.error = std::move(error);
    return result;
}

Arguments parseArguments(const std::vector<std::string>& typed) {
    std::string error;
    const std::vector<std::string> arguments = splitInlineValues(typed, error);
    if (!error.empty())
        return usageError(error);
    if (asksForHelp(arguments)) {
        Arguments help;
        help.action = Arguments::Action::Help;
        return help;
    }
    if (asksForVersion(arguments)) {
        Arguments version;
        version.action = Arguments::Action::Version;
        return version;
    }
    if (arguments.empty())
        return usageError("no command given");
    if (arguments[0] == "info")
        return parseInfo(arguments);
    if (arguments[0] == "export")
        return parseExportArguments(arguments);
    if (arguments[0] == "pixel")
        return parsePixelArguments(arguments);
    return usageError("unknown command " + arguments[0]);
}

const char* usageLine() {
    return kUsage;
}

std::string versionLine() {
    // The build passes the project's version in.
    return std::string(kProgramName) + " " + QM_VERSION + "\n";
}

const char* helpText() {
    static const std::string text =
        std::string(kUsage) +
        "\n"
        "LABEL may also be a Landsat 7 header (L7*_H??.FST), which opens its scene.\n"
        "\n"
        "Every command opens a product as the viewer's open command does: the label\n"
        "file LABEL is parsed, the label's satellite, sensor and logical format are\n"
        "looked up in the configuration file, and the band files in the product\n"
        "directory (LABEL without its extension) are discovered and measured.\n"
        "\n"
        "info reports what it finds: the parse result, the label's name/value pairs\n"
        "in list order (known keys first), satellite, sensor, logical format, format\n"
        "code, file-name mask, whether discovery ran to its end, and for each band its\n"
        "index (from 0), display name, path, file size, record length, line count,\n"
        "pixels per line, first pixel offset, trailing bytes, prefix, suffix, left fill\n"
        "and right fill bytes. With --stats each band is also loaded as the viewer\n"
        "loads it, bottom line first, and its histogram reported: the 256 pixel\n"
        "counts, the mean, the mode bin (the most frequent value from 1 to 255), the\n"
        "deviation and the 256 bar heights of the histogram panel; the pixels are\n"
        "freed before the next band.\n"
        "\n"
        "export saves the picture as the viewer's save command does after the same\n"
        "choices, byte for byte: --band shows one band in grey (single-band mode,\n"
        "an 8-bit file with a grey palette), --rgb three bands as red, green and blue\n"
        "(three-band mode, a 24-bit file). The bands are applied as the band change\n"
        "applies them (bands that differ in file size, line count or pixels per line\n"
        "are refused), then the levels, then the whole picture is written at full\n"
        "resolution, rows bottom-up. Without --levels or an --auto- option every\n"
        "channel keeps the full range 0:255, which leaves the pixels as they are.\n"
        "\n"
        "pixel opens PRODUCT (a label or a Landsat 7 header) as info does and reads\n"
        "every band's value at one pixel, loading no band: COLUMN and LINE count from\n"
        "0 at the top-left of the first band as the viewer shows it. A band of another\n"
        "size is read at the same place of its own grid (COLUMN x its width / the\n"
        "first band's width, rounded down; lines likewise), so band 8 of a scene is\n"
        "read at twice the column and line. A line per band gives its index (from 0),\n"
        "value, radiance (bias + gain x value where the header calibrates the band,\n"
        "- otherwise) and display name; a georeferenced product adds the easting and\n"
        "northing of the pixel's centre and, where its projection is computed here,\n"
        "the latitude and longitude.\n"
        "\n"
        "An option that takes a value takes it as the next word or after '=':\n"
        "--levels -100:300 and --levels=-100:300 are the same.\n"
        "\n"
        "info options:\n"
        "  --config FILE  read FILE instead of QMDATA.INI beside this program\n"
        "  --json         print one JSON object instead of plain text; its keys are\n"
        "                 parseResult, label (a list of {name, value}), satellite,\n"
        "                 sensor, logicalFormat, formatCode, fileNameMask, discovered,\n"
        "                 bands (a list of {index, name, path, fileSize, recordLength,\n"
        "                 lineCount, pixelsPerLine, firstPixelOffset, trailingBytes,\n"
        "                 prefixBytes, suffixBytes, leftFillBytes, rightFillBytes});\n"
        "                 texts are converted from Shift-JIS to UTF-8\n"
        "  --stats        load every band and report its histogram; JSON adds to each\n"
        "                 band loaded (false when its file cannot be read or it is\n"
        "                 too large to load) and, when loaded, counts, mean,\n"
        "                 modeBin, deviation and heights\n"
        "\n"
        "export options:\n"
        "  -o OUT.BMP     the bitmap file to write; an existing file is replaced. A\n"
        "                 name ending in .png writes a PNG file with the same pixels\n"
        "                 (8-bit grey or 24-bit colour). A name ending in / (or \\)\n"
        "                 is a folder: each LABEL gives FOLDER/<label name>.bmp, and\n"
        "                 several labels may be given; each product's result is\n"
        "                 reported, a failing one does not stop the others\n"
        "  --config FILE  read FILE instead of QMDATA.INI beside this program\n"
        "  --band B       single-band mode showing band B. A band is given by its\n"
        "                 number in the band choosers, from 1 (info's index + 1), or\n"
        "                 by its display name (in the system's code page or UTF-8);\n"
        "                 a word of digits only is always a number\n"
        "  --rgb R,G,B    three-band mode: red, green and blue bands; - leaves a\n"
        "                 channel without a band, which gives 0 bytes\n"
        "  --levels L:H   the input levels: L maps to 0 and H to 255, any 32-bit\n"
        "                 whole numbers; one pair with --band, three (red, green,\n"
        "                 blue) with --rgb, where a channel without a band ignores\n"
        "                 its pair. A band shown on two channels takes the later pair\n"
        "  --auto-clip P  stretch each channel between the P and 100 - P percentiles\n"
        "                 of its band's histogram (0 < P < 50, e.g. 2): low maps to 0,\n"
        "                 high to 255; a band with a single value keeps 0:255\n"
        "  --auto-stddev K\n"
        "                 stretch each channel K deviations either side of its band's\n"
        "                 mean (K > 0, e.g. 2), from the mean and deviation info\n"
        "                 --stats reports: low = mean - K x deviation and high =\n"
        "                 mean + K x deviation, rounded half away from zero, held\n"
        "                 within -100 to 300, high at least low + 1\n"
        "  --auto-true-colour\n"
        "                 the automatic true-colour levels from the three bands'\n"
        "                 means and deviations; needs --rgb with three bands\n"
        "  --no-world-file\n"
        "                 for a georeferenced product, write no world file (OUT.bpw,\n"
        "                 OUT.pgw) and no OUT.bmp.aux.xml beside the picture\n"
        "\n"
        "pixel options:\n"
        "  --config FILE  read FILE instead of QMDATA.INI beside this program\n"
        "  --json         print one JSON object instead of plain text: column, line,\n"
        "                 easting and northing (metres) and latitude and longitude\n"
        "                 (decimal degrees, north and east positive) when\n"
        "                 georeferenced, and bands (a list of {index, name, value,\n"
        "                 radiance}, value and radiance null when unknown); names are\n"
        "                 converted from Shift-JIS to UTF-8\n"
        "\n"
        "  -h, --help     show this text\n"
        "  --version      show the program's version\n"
        "\n"
        "exit status:\n"
        "  0  info: the product has bands; export: the file was written\n"
        "     pixel: the profile was printed (a band unreadable there has no value)\n"
        "  1  info: the product has no band (label unreadable, logical format not in\n"
        "     QMDATA.INI, no matching file, no header, a refused file); the reason\n"
        "     goes to standard error, the report still follows. export: nothing or\n"
        "     not all was written; standard error names the file and the reason (no\n"
        "     band and why, band not found, bands of different sizes, band not\n"
        "     loaded, levels refused, a file of the product named as output, output\n"
        "     not written: folder missing, read-only, disk full, path too long; the\n"
        "     old file is kept, picture too large for a bitmap file)\n"
        "     pixel: the product has no band (and why) or the pixel lies outside its\n"
        "     first band; nothing goes to standard output\n"
        "  2  the command line is wrong\n";
    return text.c_str();
}

}  // namespace qm::cli
