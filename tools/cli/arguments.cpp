#include "tools/cli/arguments.h"

#include <algorithm>

namespace qm::cli {
namespace {

Arguments usageError(std::string error) {
    Arguments result;
    result.action = Arguments::Action::UsageError;
    result.error = std::move(error);
    return result;
}

bool asksForHelp(const std::vector<std::string>& arguments) {
    return std::any_of(arguments.begin(), arguments.end(),
                       [](const std::string& a) { return a == "--help" || a == "-h"; });
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

}  // namespace

Arguments parseArguments(const std::vector<std::string>& arguments) {
    if (asksForHelp(arguments)) {
        Arguments help;
        help.action = Arguments::Action::Help;
        return help;
    }
    if (arguments.empty())
        return usageError("no command given");
    if (arguments[0] != "info")
        return usageError("unknown command " + arguments[0]);
    return parseInfo(arguments);
}

const char* usageLine() {
    return "usage: quillmere-cli info LABEL [--config FILE] [--json] [--stats]\n"
           "       quillmere-cli --help\n";
}

const char* helpText() {
    return "usage: quillmere-cli info LABEL [--config FILE] [--json] [--stats]\n"
           "       quillmere-cli --help\n"
           "\n"
           "Opens a product as the viewer's open command does and reports what it finds:\n"
           "the label file LABEL is parsed, the label's satellite, sensor and logical\n"
           "format are looked up in the configuration file, and the band files in the\n"
           "product directory (LABEL without its extension) are discovered and measured.\n"
           "\n"
           "The report holds the parse result, the label's name/value pairs in list order\n"
           "(known keys first), satellite, sensor, logical format, format code, file-name\n"
           "mask, whether discovery ran to its end, and for each band its index, display\n"
           "name, path, file size, record length, line count, pixels per line, first\n"
           "pixel offset, trailing bytes, prefix, suffix, left fill and right fill bytes.\n"
           "With --stats each band is also loaded as the viewer loads it, bottom line\n"
           "first, and its histogram reported: the 256 pixel counts, the mean, the mode\n"
           "bin (the most frequent value from 1 to 255), the deviation and the 256 bar\n"
           "heights of the histogram panel; the pixels are freed before the next band.\n"
           "\n"
           "options:\n"
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
           "  -h, --help     show this text\n"
           "\n"
           "exit status:\n"
           "  0  the label file was read, whether or not bands were found\n"
           "  1  the label file could not be read (missing, unreadable or not a label\n"
           "     file); the reason goes to standard error, the report still follows\n"
           "  2  the command line is wrong\n";
}

}  // namespace qm::cli
