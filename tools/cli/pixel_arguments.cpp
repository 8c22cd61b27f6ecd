#include "tools/cli/pixel_arguments.h"

#include <cstdint>
#include <iterator>
#include <optional>
#include <string_view>

#include "text/ascii.h"
#include "text/number_word.h"

namespace qm::cli {
namespace {

// The three words the command needs, in this order.
constexpr const char* kPositionalNames[] = {"product", "COLUMN", "LINE"};

// A whole word of decimal digits that fits 32 bits: no sign, no space, nothing else.
std::optional<std::int32_t> pixelNumber(std::string_view text) {
    if (text.empty() || !isAsciiDigit(text.front()))
        return std::nullopt;
    return wordAsNumber<std::int32_t>(text);
}

// A word that starts with '-' is an option, unless it reads as a negative number:
// that is a COLUMN or LINE out of range, and said so.
bool looksLikeOption(const std::string& word) {
    return word.size() > 1 && word[0] == '-' && !isAsciiDigit(word[1]);
}

// The column or line the word gives, or why it gives none.
std::string readPlace(const std::string& word, const char* name, std::int32_t& place) {
    const std::optional<std::int32_t> number = pixelNumber(word);
    if (!number)
        return std::string(name) + " must be a whole number from 0 to 2147483647: " + word;
    place = *number;
    return {};
}

}  // namespace

Arguments parsePixelArguments(const std::vector<std::string>& arguments) {
    Arguments result;
    result.action = Arguments::Action::Pixel;
    std::vector<std::string> positional;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (word == "--json") {
            result.json = true;
        } else if (word == "--config") {
            if (i + 1 == arguments.size())
                return usageError("--config needs a file name");
            result.configPath = arguments[++i];
        } else if (looksLikeOption(word)) {
            return usageError("unknown option " + word);
        } else if (positional.size() == std::size(kPositionalNames)) {
            return usageError("more than a product, a column and a line: " + word);
        } else {
            positional.push_back(word);
        }
    }
    if (positional.size() < std::size(kPositionalNames))
        return usageError(std::string("no ") + kPositionalNames[positional.size()] + " given");
    result.labelPath = positional[0];
    std::string error = readPlace(positional[1], kPositionalNames[1], result.column);
    if (error.empty())
        error = readPlace(positional[2], kPositionalNames[2], result.line);
    return error.empty() ? result : usageError(error);
}

}  // namespace qm::cli
