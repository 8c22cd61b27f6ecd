#include "tools/cli/band_choice.h"

#include <algorithm>
#include <charconv>

#include "platform/platform.h"
#include "text/ascii.h"

namespace qm::cli {
namespace {

bool allDigits(const std::string& word) {
    return !word.empty() && std::all_of(word.begin(), word.end(), isAsciiDigit);
}

// Chooser item n shows band n - 1; item 0 is "no band".
BandImage* bandByNumber(const ProductCatalog& catalog, const std::string& digits) {
    int number = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, number);
    if (error != std::errc() || stop != end || number < 1)
        return nullptr;
    return catalog.band(number - 1);
}

// Names are code page 932 bytes; a POSIX shell hands over UTF-8.
BandImage* bandByName(const ProductCatalog& catalog, const std::string& name) {
    for (int i = 0; i < catalog.bandCount(); ++i) {
        BandImage* band = catalog.band(i);
        if (band->bandName() == name || platform::utf8FromAnsi(band->bandName()) == name)
            return band;
    }
    return nullptr;
}

}  // namespace

BandImage* findBand(const ProductCatalog& catalog, const std::string& word) {
    return allDigits(word) ? bandByNumber(catalog, word) : bandByName(catalog, word);
}

}  // namespace qm::cli
