#include "app/product_path.h"

#include <vector>

#include "product/landsat_scene.h"
#include "text/ascii.h"

namespace qm {
namespace {

constexpr std::string_view kLabelExtension = ".LAB";

// Words of a command line are separated by spaces and tabs.
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::vector<std::string> commandLineWords(std::string_view commandLine) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < commandLine.size()) {
        if (isBlank(commandLine[i])) {
            ++i;
            continue;
        }
        std::string word;
        bool quoted = false;
        for (; i < commandLine.size() && (quoted || !isBlank(commandLine[i])); ++i) {
            if (commandLine[i] == '"')
                quoted = !quoted;
            else
                word.push_back(commandLine[i]);
        }
        words.push_back(std::move(word));
    }
    return words;
}

}  // namespace

// ".LAB" alone names no file.
bool isProductPath(std::string_view path) {
    return (path.size() > kLabelExtension.size() && endsWithAsciiNoCase(path, kLabelExtension)) ||
           isLandsatHeaderName(path);
}

std::optional<std::string> productPathFromCommandLine(std::string_view commandLine) {
    std::vector<std::string> words = commandLineWords(commandLine);
    if (words.size() != 1 || !isProductPath(words[0]))
        return std::nullopt;
    return std::move(words[0]);
}

}  // namespace qm
