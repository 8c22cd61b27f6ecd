#include "tools/cli/export_arguments.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

#include "text/number_word.h"

namespace qm::cli {
namespace {

std::vector<std::string> split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

// "L:H": low L, high H. A LevelRange holds high first.
std::optional<LevelRange> levelPair(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    const std::optional<std::int32_t> low = wordAsNumber<std::int32_t>(text.substr(0, colon));
    const std::optional<std::int32_t> high = wordAsNumber<std::int32_t>(text.substr(colon + 1));
    if (!low || !high)
        return std::nullopt;
    return LevelRange{.high = *high, .low = *low};
}

// Collects the words; what cannot be judged before all are read (which pairs
// --levels needs) is checked afterwards.
class ExportParser {
  public:
    ExportParser() { result_.action = Arguments::Action::Export; }

    // An error text, or empty when the word (and its value) is understood.
    std::string take(const std::string& word, const std::string* value);
    std::string finish();
    const Arguments& result() const { return result_; }

  private:
    std::string takeValue(const std::string& option, const std::string& value);
    std::string chooseBands(std::vector<std::string> bands);
    std::string readLevels(const std::string& text);
    std::string readAutoClip(const std::string& text);
    std::string readAutoStddev(const std::string& text);

    Arguments result_;
    bool labelGiven_ = false;
    bool outputGiven_ = false;
    bool levelsGiven_ = false;
};

std::string ExportParser::take(const std::string& word, const std::string* value) {
    if (optionTakesValue(word)) {
        if (!value)
            return word + " needs a value";
        return takeValue(word, *value);
    }
    if (word == "--auto-true-colour") {
        result_.autoTrueColour = true;
        return {};
    }
    if (word == "--no-world-file") {
        result_.noWorldFile = true;
        return {};
    }
    if (word.size() > 1 && word[0] == '-')
        return "unknown option " + word;
    if (!labelGiven_)
        result_.labelPath = word;
    result_.labelPaths.push_back(word);
    labelGiven_ = true;
    return {};
}

std::string ExportParser::takeValue(const std::string& option, const std::string& value) {
    if (option == "-o") {
        if (outputGiven_)
            return "more than one output file: " + value;
        result_.outputPath = value;
        outputGiven_ = true;
        return {};
    }
    if (option == "--config") {
        result_.configPath = value;
        return {};
    }
    if (option == "--band") {
        if (value.empty() || value == kNoBandChoice)
            return "--band needs a band: its number from 1 or its display name";
        return chooseBands({value});
    }
    if (option == "--rgb") {
        std::vector<std::string> bands = split(value, ',');
        const bool threeNamed =
            bands.size() == 3 && std::none_of(bands.begin(), bands.end(),
                                              [](const std::string& b) { return b.empty(); });
        if (!threeNamed)
            return "--rgb needs three bands R,G,B (- for none): " + value;
        if (std::all_of(bands.begin(), bands.end(),
                        [](const std::string& b) { return b == kNoBandChoice; }))
            return "--rgb needs at least one band";
        return chooseBands(std::move(bands));
    }
    if (option == "--auto-clip")
        return readAutoClip(value);
    if (option == "--auto-stddev")
        return readAutoStddev(value);
    return readLevels(value);
}

std::string ExportParser::readAutoClip(const std::string& text) {
    const std::optional<double> percent = wordAsNumber<double>(text);
    if (!percent || !(*percent > 0.0 && *percent < 50.0))
        return "--auto-clip takes a percentage P with 0 < P < 50: " + text;
    result_.autoClipPercent = percent;
    return {};
}

// Infinity and NaN read as numbers, but stretch nothing a picture could show.
std::string ExportParser::readAutoStddev(const std::string& text) {
    const std::optional<double> k = wordAsNumber<double>(text);
    if (!k || !std::isfinite(*k) || !(*k > 0.0))
        return "--auto-stddev takes a number of deviations K > 0: " + text;
    result_.autoStddev = k;
    return {};
}

std::string ExportParser::chooseBands(std::vector<std::string> bands) {
    if (!result_.bands.empty())
        return "choose the bands once, with --band or --rgb";
    result_.bands = std::move(bands);
    return {};
}

std::string ExportParser::readLevels(const std::string& text) {
    if (levelsGiven_)
        return "more than one --levels";
    levelsGiven_ = true;
    for (const std::string& pair : split(text, ',')) {
        const std::optional<LevelRange> levels = levelPair(pair);
        if (!levels)
            return "--levels takes pairs L:H of whole numbers in 32 bits: " + pair;
        result_.levels.push_back(*levels);
    }
    return {};
}

std::string ExportParser::finish() {
    if (!labelGiven_)
        return "no label file given";
    if (!outputGiven_)
        return "no output file given (-o OUT.BMP)";
    if (result_.labelPaths.size() > 1 && !namesFolder(result_.outputPath))
        return "more than one label file: give -o a folder (DIR/) for one file per product";
    if (result_.bands.empty())
        return "no band chosen (--band B or --rgb R,G,B)";
    if (levelsGiven_ && result_.autoTrueColour)
        return "--levels and --auto-true-colour exclude each other";
    if (result_.autoStddev && (levelsGiven_ || result_.autoTrueColour || result_.autoClipPercent))
        return "--auto-stddev excludes --levels, --auto-true-colour and --auto-clip";
    if (result_.autoClipPercent && (levelsGiven_ || result_.autoTrueColour))
        return "--auto-clip excludes --levels and --auto-true-colour";
    if (levelsGiven_ && result_.levels.size() != result_.bands.size()) {
        return result_.bands.size() == 1 ? "--levels needs one pair L:H with --band"
                                         : "--levels needs three pairs L:H,L:H,L:H with --rgb";
    }
    return {};
}

}  // namespace

Arguments parseExportArguments(const std::vector<std::string>& arguments) {
    ExportParser parser;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string* next = i + 1 < arguments.size() ? &arguments[i + 1] : nullptr;
        const std::string error = parser.take(arguments[i], next);
        if (!error.empty())
            return usageError(error);
        if (optionTakesValue(arguments[i]))
            ++i;
    }
    const std::string error = parser.finish();
    return error.empty() ? parser.result() : usageError(error);
}

}  // namespace qm::cli
