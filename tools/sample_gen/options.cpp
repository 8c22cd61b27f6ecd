#include "tools/sample_gen/options.h"

#include <optional>

#include "text/number_word.h"

namespace qm::sample {
namespace {

// Large enough for a full scene, small enough that the panchromatic band (twice
// each side) stays within the 32-bit file sizes the viewer reads.
constexpr int kMinSide = 8;
constexpr int kMaxSide = 10000;

template <typename Number>
bool readNumber(std::string_view text, Number& out) {
    const std::optional<Number> number = wordAsNumber<Number>(text);
    if (number)
        out = *number;
    return number.has_value();
}

bool readSize(std::string_view text, SampleOptions& products) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string_view::npos)
        return false;
    int width = 0;
    int height = 0;
    if (!readNumber(text.substr(0, x), width) || !readNumber(text.substr(x + 1), height))
        return false;
    if (width < kMinSide || height < kMinSide || width > kMaxSide || height > kMaxSide)
        return false;
    products.width = width;
    products.height = height;
    return true;
}

Options usageError(std::string error) {
    Options options;
    options.error = std::move(error);
    return options;
}

}  // namespace

Options parseOptions(const std::vector<std::string>& arguments) {
    Options options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            options.action = Options::Action::Help;
            return options;
        }
        if (argument == "--version") {
            options.action = Options::Action::Version;
            return options;
        }
        const bool takesValue = argument == "--seed" || argument == "--size";
        if (takesValue && i + 1 == arguments.size())
            return usageError(argument + " needs a value");
        if (argument == "--seed") {
            if (!readNumber(std::string_view(arguments[++i]), options.products.seed))
                return usageError("--seed takes a whole number, not " + arguments[i]);
        } else if (argument == "--size") {
            if (!readSize(arguments[++i], options.products))
                return usageError("--size takes WIDTHxHEIGHT, each 8 to 10000, not " +
                                  arguments[i]);
        } else if (argument.starts_with("-")) {
            return usageError("unknown option " + argument);
        } else if (!options.outputDirectory.empty()) {
            return usageError("one output folder only");
        } else {
            options.outputDirectory = argument;
        }
    }
    if (options.outputDirectory.empty())
        return usageError("no output folder given");
    options.action = Options::Action::Generate;
    return options;
}

const char* usageText() {
    return "usage: quillmere-sample-gen OUTDIR [--seed N] [--size WIDTHxHEIGHT]\n"
           "Writes a synthetic scene as two sample products into OUTDIR:\n"
           "  SYN7REC.LAB  with SYN7REC\\   (record format, bands 1-7)\n"
           "  SYN7FAST.LAB with SYN7FAST\\  (fast format, bands 1-7 and the\n"
           "                               panchromatic band 8 at twice the size)\n"
           "  --seed N      another landscape (default 1); one seed, the same files\n"
           "  --size WxH    multispectral pixels per line and lines (default 1500x1200)\n"
           "Open them with the QMDATA.INI shipped beside quillmere.exe.\n";
}

}  // namespace qm::sample
