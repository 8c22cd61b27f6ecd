// Arbitrary bytes as a fast-format header: the whole header read by its labels (from
// a buffer of exactly the input's size, so a read past its end trips the sanitizer),
// alike with LF and CR LF line ends and parsed without any; its two numbers read
// from memory and from the header file in a product directory, which must agree,
// then the geometry of an ordinary band and of the doubled BAND80 band.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "band/band_image.h"
#include "fuzz/support/fuzz_folder.h"
#include "fuzz/support/require.h"
#include "platform/platform.h"
#include "product/fast_header.h"
#include "product/product_catalog.h"

namespace qm::fuzz {
namespace {

// One band named, one shown by its file name.
constexpr char kConfiguration[] = "[SYNTH-7MSR]\nBAND10=Band 1\nBAND80=*\n";

// The header's numbers times the factor, held within 32 bits as the band holds them.
std::int64_t held(std::int64_t value) {
    return std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                    std::numeric_limits<std::int32_t>::max());
}

void measure(const char* fileName, int headerPixels, int headerLines, std::int64_t factor) {
    BandImage band;
    band.setPath(fuzzFolder().path(std::string("SCENE/") + fileName));
    if (band.readGeometry(BandFormat::Fast, fuzzFolder().path("QMDATA.INI"), "SYNTH-7", "MSR",
                          headerPixels, headerLines))
        return;
    require(!band.bandName().empty(), "a measured band has a name");
    require(band.pixelsPerLine() == headerPixels, "a line shows the header's pixels");
    require(band.recordLength() == held(factor * headerPixels), "a record holds the band's lines");
    require(band.lineCount() == held(factor * headerLines), "the band has the header's lines");
    require(band.firstPixelOffset() == 0 && band.trailingBytes() == 0, "no framing");
}

// The text with every line end written as CR LF, and with no line ends at all.
std::string withCrLf(std::string_view text) {
    std::string result;
    for (const char c : text)
        result += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return result;
}

FastHeader parseExactly(std::string_view text) {
    const std::vector<char> bytes(text.begin(), text.end());
    return parseFastHeader(std::string_view(bytes.data(), bytes.size()));
}

void readWholeHeader(std::string_view bytes) {
    const FastHeader asGiven = parseExactly(bytes);
    const std::string text = platform::textFromBytes(bytes);
    require(parseExactly(withCrLf(text)) == asGiven, "CR LF line ends read as LF ones");
    std::string unended = text;
    std::replace(unended.begin(), unended.end(), '\n', ' ');
    const FastHeader flat = parseExactly(unended);
    require(flat.calibrations.size() <= unended.size(), "calibrations come from the text");
    for (const auto* header : {&asGiven, &flat}) {
        require(!header->projectionParameters ||
                    header->projectionParameters->size() == FastHeader::kProjectionParameterCount,
                "fifteen projection parameters or none");
        require(!header->acquisitionDate || (header->acquisitionDate->month >= 1 &&
                                            header->acquisitionDate->month <= 12),
                "a date is a calendar date");
    }
}

}  // namespace
}  // namespace qm::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    using namespace qm;
    fuzz::writeFuzzFile("QMDATA.INI", fuzz::kConfiguration);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qm;
    using fuzz::require;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fuzz::readWholeHeader(bytes);
    int headerPixels = 0;
    int headerLines = 0;
    const bool parsed =
        parseFastFormatHeader(platform::textFromBytes(bytes), headerPixels, headerLines);

    fuzz::writeFuzzFile("SCENE/L7SCENE_HRF.FST", bytes);
    ProductCatalog catalog(fuzz::fuzzFolder().path("QMDATA.INI"));
    catalog.reset(fuzz::fuzzFolder().path("SCENE.LAB"));
    int filePixels = 0;
    int fileLines = 0;
    const bool read = catalog.readFastFormatHeader(filePixels, fileLines);
    require(read == parsed, "the header file reads as its text does");
    if (!parsed)
        return 0;
    require(filePixels == headerPixels && fileLines == headerLines,
            "the header file gives the numbers its text does");

    fuzz::measure("SCENE_B10.FST", headerPixels, headerLines, 1);
    fuzz::measure("SCENE_B80.FST", headerPixels, headerLines, 2);
    return 0;
}
