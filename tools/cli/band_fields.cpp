#include "tools/cli/band_fields.h"

namespace qm::cli {

std::span<const BandField> bandFields() {
    static constexpr BandField kFields[] = {
        {"fileSize", "file size", &BandImage::fileSize},
        {"recordLength", "record length", &BandImage::recordLength},
        {"lineCount", "line count", &BandImage::lineCount},
        {"pixelsPerLine", "pixels per line", &BandImage::pixelsPerLine},
        {"firstPixelOffset", "first pixel offset", &BandImage::firstPixelOffset},
        {"trailingBytes", "trailing bytes", &BandImage::trailingBytes},
        {"prefixBytes", "prefix bytes", &BandImage::prefixBytes},
        {"suffixBytes", "suffix bytes", &BandImage::suffixBytes},
        {"leftFillBytes", "left fill bytes", &BandImage::leftFillBytes},
        {"rightFillBytes", "right fill bytes", &BandImage::rightFillBytes},
    };
    return kFields;
}

}  // namespace qm::cli
