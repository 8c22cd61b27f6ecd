#include "tools/cli/band_choice.h"

#include <algorithm>
#include <optional>

#include "platform/platform.h"
#include "text/ascii.h"
#include "text/number_word.h"

namespace qm::cli {
namespace {

bool allDigits(const std::string& word) {
    return !word.empty() && std::all_of(word.begin(), word.end(), isAsciiDigit);
}

// Chooser item n shows band n - 1; item 0 is "no band".
BandImage* bandByNumber(const ProductCatalog& catalog, const std::string& digits) {
    const std::optional<int> number = wordAsNumber<int>(digits);
    if (!number || *number < 1)
        return nullptr;
    return catalog.band(*number - 1);
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
