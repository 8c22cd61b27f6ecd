#include "band/band_image.h"

#include <algorithm>
#include <array>
#include <limits>
#include <new>
#include <optional>
#include <utility>

#include "band/bottom_up_reading.h"
#include "band/row_count_worker.h"
#include "paths/paths.h"
#include "platform/platform.h"
#include "text/ascii.h"
#include "text/decimal.h"

namespace qm {
namespace {

using Geometry = BandImage::Geometry;

constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();

// The file descriptor record states the record length at bytes 8 to 11.
constexpr std::int64_t kRecordLengthOffset = 8;
constexpr int kRecordLengthBytes = 4;

// The fast-format panchromatic band has twice the lines of the other bands, each
// twice as long; its lines show the first half of each record.
constexpr char kDoubledBandKey[] = "BAND80";

// Where one framing count stands and how many bytes it takes.
struct FieldPlace {
    int position = 0;
    int width = 0;
};

// The places of the four framing counts, as the band-layout section gives them.
struct FramingPlaces {
    FieldPlace prefix;
    FieldPlace suffix;
    FieldPlace leftFill;
    FieldPlace rightFill;
};

// The framing counts a record-format file states, fills already the smaller of the
// first image record's and the last record's.
struct Framing {
    std::int32_t prefix = 0;
    std::int32_t suffix = 0;
    std::int32_t leftFill = 0;
    std::int32_t rightFill = 0;
};

using FieldBytes = std::array<unsigned char, BandImage::kMaxFieldBytes + 1>;

// A geometry value formed in 64 bits, held within 32 as the decimal counts are: a
// damaged file's counts give a far-out value, never a wrapped one that looks usable.
std::int32_t heldInInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp(value, kInt32Min, kInt32Max));
}

FieldPlace readFieldPlace(const std::string& configPath, const std::string& section,
                          const std::string& name) {
    FieldPlace place;
    place.position = platform::profileInt(configPath, section, name + "Pos", 0);
    place.width = platform::profileInt(configPath, section, name + "Size", 0);
    return place;
}

FramingPlaces readFramingPlaces(const std::string& configPath, const std::string& section) {
    FramingPlaces places;
    places.prefix = readFieldPlace(configPath, section, "Prefix");
    places.suffix = readFieldPlace(configPath, section, "Suffix");
    places.leftFill = readFieldPlace(configPath, section, "LeftFill");
    places.rightFill = readFieldPlace(configPath, section, "RightFill");
    return places;
}

bool widthFits(const FieldPlace& place) {
    return place.width >= 0 && place.width <= BandImage::kMaxFieldBytes;
}

bool widthsFit(const FramingPlaces& places) {
    return widthFits(places.prefix) && widthFits(places.suffix) && widthFits(places.leftFill) &&
           widthFits(places.rightFill);
}

// A file that cannot hold its own record length, or whose record length is no
// length, has no records to count. Any other file is a band, whatever its framing
// leaves: a file of one record has no line, and a record too short for its framing
// has no pixel or fewer than none; such a band is listed but never loads.
std::optional<BandRefusal> recordSizesRefusal(std::int32_t recordLength, std::int32_t fileSize) {
    if (fileSize < kRecordLengthOffset + kRecordLengthBytes)
        return BandRefusal::TooShort;
    if (recordLength <= 0)
        return BandRefusal::NoRecordLength;
    if (fileSize < recordLength)
        return BandRefusal::TooShort;
    return std::nullopt;
}

// The field's bytes at the offset, in a zeroed scratch area. Every field is sought
// on its own, so a field that cannot be reached reads as zeros rather than as the
// bytes following the previous field; bytes past the end stay zero in their place.
FieldBytes readField(platform::File& file, std::int64_t offset, int width) {
    FieldBytes bytes{};
    if (width > 0 && file.seek(offset))
        file.read(bytes.data(), static_cast<std::size_t>(width));
    return bytes;
}

std::int32_t readTextCount(platform::File& file, const FieldPlace& place) {
    const FieldBytes bytes = readField(file, place.position, place.width);
    return decimalValue(std::string_view(reinterpret_cast<const char*>(bytes.data()), place.width));
}

std::int32_t readBinaryCount(platform::File& file, std::int64_t recordStart,
                             const FieldPlace& place) {
    const FieldBytes bytes = readField(file, recordStart + place.position, place.width);
    return bigEndianValue(bytes.data(), place.width);
}

// The smaller fill of the two records wins, so a short last record never frames
// pixels past its end.
std::int32_t readFillCount(platform::File& file, std::int64_t firstRecord, std::int64_t lastRecord,
                           const FieldPlace& place) {
    return std::min(readBinaryCount(file, firstRecord, place),
                    readBinaryCount(file, lastRecord, place));
}

Framing readFraming(platform::File& file, const FramingPlaces& places, std::int32_t recordLength,
                    std::int32_t fileSize) {
    const std::int64_t firstImageRecord = recordLength;
    const std::int64_t lastRecord = std::int64_t{fileSize} - recordLength;
    Framing framing;
    framing.prefix = readTextCount(file, places.prefix);
    framing.suffix = readTextCount(file, places.suffix);
    framing.leftFill = readFillCount(file, firstImageRecord, lastRecord, places.leftFill);
    framing.rightFill = readFillCount(file, firstImageRecord, lastRecord, places.rightFill);
    return framing;
}

// Lays the framing counts out in a record: the first pixel after the record header,
// prefix and left fill, the right fill and suffix after the last pixel, and what
// the record leaves between them as the line's pixels, however few.
Geometry framedGeometry(std::int32_t recordLength, std::int32_t lineCount, const Framing& framing) {
    const std::int64_t firstPixel =
        std::int64_t{framing.prefix} + framing.leftFill + BandImage::kRecordHeaderBytes;
    const std::int64_t trailing = std::int64_t{framing.rightFill} + framing.suffix;
    Geometry geometry;
    geometry.recordLength = recordLength;
    geometry.lineCount = lineCount;
    geometry.prefixBytes = framing.prefix;
    geometry.suffixBytes = framing.suffix;
    geometry.leftFillBytes = framing.leftFill;
    geometry.rightFillBytes = framing.rightFill;
    geometry.firstPixelOffset = heldInInt32(firstPixel);
    geometry.trailingBytes = heldInInt32(trailing);
    geometry.pixelsPerLine = heldInInt32(recordLength - firstPixel - trailing);
    return geometry;
}

// The header's numbers as they stand, even 0 or negative; the panchromatic band
// doubles its record length and line count.
Geometry fastFormatGeometry(const std::string& bandKey, std::int32_t headerPixels,
                            std::int32_t headerLines) {
    const std::int64_t factor = bandKey == kDoubledBandKey ? 2 : 1;
    Geometry geometry;
    geometry.recordLength = heldInInt32(headerPixels * factor);
    geometry.lineCount = heldInInt32(headerLines * factor);
    geometry.pixelsPerLine = headerPixels;
    return geometry;
}

// The pixel buffer's size, formed in 64 bits. Nothing without a positive geometry,
// and nothing past INT32_MAX: the views count a band's pixels in 32 bits.
std::optional<std::int32_t> pixelBufferBytes(const Geometry& geometry) {
    if (geometry.recordLength <= 0 || geometry.lineCount <= 0 || geometry.pixelsPerLine <= 0)
        return {};
    const std::int64_t bytes = std::int64_t{geometry.pixelsPerLine} * geometry.lineCount;
    if (bytes > kInt32Max)
        return {};
    return static_cast<std::int32_t>(bytes);
}

// A band file shorter than its geometry says (a copy cut short) shows the bytes it
// lacks as 0. A geometry that asks for far more than the whole file holds is damaged
// rather than cut short: a header of a few bytes could otherwise have gigabytes
// allocated, zeroed and counted. Such a band is refused before its buffer exists.
bool fileCanFill(std::int32_t bufferBytes, std::int32_t fileSize) {
    return std::int64_t{bufferBytes} - fileSize <= BandImage::kMaxBytesBeyondFile;
}

// The pixel buffer's size when a file of that size (-1: unmeasured) can fill it:
// nothing where loading refuses the band.
std::optional<std::int32_t> loadableBytes(const Geometry& geometry, std::int32_t fileSize) {
    const std::optional<std::int32_t> bytes = pixelBufferBytes(geometry);
    if (!bytes || fileSize < 0 || !fileCanFill(*bytes, fileSize))
        return std::nullopt;
    return bytes;
}

}  // namespace

bool BandImage::setPath(std::string_view path) {
    try {
        path_ = path;
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

std::int32_t BandImage::fileSize() const {
    const std::int64_t size = platform::fileSize(path_);
    if (size < 0 || size > kInt32Max)
        return -1;
    return static_cast<std::int32_t>(size);
}

std::string BandImage::bandKey(BandFormat format) const {
    // The characters just before a four-character extension such as ".DAT".
    const std::size_t length = path_.size();
    switch (format) {
        case BandFormat::Record:
            return length < 5 ? std::string() : "BAND" + path_.substr(length - 5, 1);
        case BandFormat::Fast:
            return length < 6 ? std::string() : "BAND" + path_.substr(length - 6, 2);
    }
    return {};
}

std::optional<BandRefusal> BandImage::readGeometry(BandFormat format, const std::string& configPath,
                                                   const char* satellite, const char* sensor,
                                                   int headerPixels, int headerLines) {
    const std::string section = std::string(textOrEmpty(satellite)) + textOrEmpty(sensor);
    const std::string key = bandKey(format);
    if (!key.empty())
        readDisplayName(configPath, section, key);

    if (format == BandFormat::Record)
        return readRecordGeometry(configPath, section);
    geometry_ = fastFormatGeometry(key, headerPixels, headerLines);
    return std::nullopt;
}

void BandImage::setSceneGeometry(std::string displayName, int pixelsPerLine, int lineCount) {
    bandName_ = std::move(displayName);
    // A scene's header states each band's own size: no key doubles it.
    geometry_ = fastFormatGeometry({}, pixelsPerLine, lineCount);
}

std::optional<std::string> configuredBandName(const std::string& configPath,
                                              const std::string& section, const std::string& key) {
    // Taken as a 1023-byte buffer takes it: at most 1022 characters arrive, the
    // name buffer's last byte stays spare.
    std::string name =
        platform::profileString(configPath, section, key, "*", BandImage::kNameBufferSize - 1);
    if (name == "*")
        return std::nullopt;
    return name;
}

std::string fileBandName(const std::string& path) {
    return platform::programTextFromPath(lastPathComponent(path));
}

void BandImage::readDisplayName(const std::string& configPath, const std::string& section,
                                const std::string& key) {
    bandName_ = configuredBandName(configPath, section, key).value_or(fileBandName(path_));
}

std::optional<BandRefusal> BandImage::readRecordGeometry(const std::string& configPath,
                                                         const std::string& section) {
    int recordLength = 0;
    if (!readBigEndianAt(path_, kRecordLengthOffset, kRecordLengthBytes, recordLength)) {
        return BandRefusal::Unreadable;
    }
    const std::int32_t size = fileSize();
    if (size < 0)
        return BandRefusal::Unreadable;
    if (const std::optional<BandRefusal> refusal = recordSizesRefusal(recordLength, size))
        return refusal;

    const FramingPlaces places = readFramingPlaces(configPath, section);
    if (!widthsFit(places))
        return BandRefusal::FieldTooWide;

    platform::File file;
    if (!file.open(path_, platform::File::Mode::Read))
        return BandRefusal::Unreadable;
    const Framing framing = readFraming(file, places, recordLength, size);
    file.close();

    // A remainder after the last whole record is ignored.
    const std::int32_t lineCount = size / recordLength - 1;
    geometry_ = framedGeometry(recordLength, lineCount, framing);
    return std::nullopt;
}

// The histogram is built once for the life of the band, from the first load's
// pixels: counted as they are read, then the statistics and the display table.
bool BandImage::loadPixels() {
    if (pixels_)
        return true;
    std::unique_ptr<Histogram> fresh;
    std::unique_ptr<PixelCounter> counter;
    if (!histogram_) {
        fresh.reset(new (std::nothrow) Histogram);
        counter.reset(new (std::nothrow) PixelCounter);
        if (!fresh || !counter)
            return false;
    }
    if (!readPixels(counter.get()))
        return false;
    if (fresh) {
        counter->addTo(fresh->counts);
        fresh->computeStatistics(static_cast<double>(*pixelBufferBytes(geometry_)));
        fresh->buildDisplayTable(Histogram::kDefaultScale);
        histogram_ = std::move(fresh);
    }
    return true;
}

// A geometry that gives no buffer is refused before the disk is touched.
std::int32_t BandImage::openLoadable(platform::File& file) const {
    if (!pixelBufferBytes(geometry_) || !file.open(path_, platform::File::Mode::Read))
        return -1;
    const std::int32_t size = fileSize();
    return loadableBytes(geometry_, size) ? size : -1;
}

bool BandImage::readPixels(PixelCounter* counter) {
    platform::File file;
    const std::int32_t size = openLoadable(file);
    if (size < 0)
        return false;
    const std::optional<std::int32_t> bytes = pixelBufferBytes(geometry_);
    std::unique_ptr<std::uint8_t[]> buffer(new (std::nothrow) std::uint8_t[*bytes]);
    if (!buffer)
        return false;
    if (!counter) {
        readRowsBottomUp(file, size, geometry_, buffer.get(), {});
    } else {
        // Each block is counted while the next is read, rather than in a second
        // pass over the whole buffer once it is out of the cache.
        RowCountWorker counting(buffer.get(), static_cast<std::size_t>(geometry_.pixelsPerLine),
                                *counter, *bytes >= RowCountWorker::kThreadWorthBytes);
        readRowsBottomUp(file, size, geometry_, buffer.get(),
                         [&counting](std::int32_t rows) { counting.rowsPlaced(rows); });
        counting.finish();
    }
    pixels_ = std::move(buffer);
    return true;
}

std::optional<std::uint8_t> BandImage::pixelAt(std::int32_t column, std::int32_t line) const {
    if (column < 0 || line < 0 || column >= geometry_.pixelsPerLine || line >= geometry_.lineCount)
        return std::nullopt;
    const std::int64_t row = std::int64_t{geometry_.lineCount} - 1 - line;
    if (pixels_)
        return pixels_[static_cast<std::size_t>(row * geometry_.pixelsPerLine + column)];
    return readPixel(row, column);
}

std::optional<std::uint8_t> BandImage::readPixel(std::int64_t row, std::int32_t column) const {
    platform::File file;
    const std::int32_t size = openLoadable(file);
    if (size < 0)
        return std::nullopt;
    return readPixelBottomUp(file, size, geometry_, row, column);
}

bool readBigEndianAt(const std::string& path, std::int64_t offset, int n, int& out) {
    platform::File file;
    if (!file.open(path, platform::File::Mode::Read))
        return false;
    // Only the last four bytes survive the 32-bit wrap, so only they are read.
    const int counted = std::clamp(n, 0, 4);
    const std::int64_t skipped = n - counted;
    std::array<unsigned char, 4> bytes{};
    const bool reachable = offset <= std::numeric_limits<std::int64_t>::max() - skipped;
    if (counted > 0 && reachable && file.seek(offset + skipped)) {
        file.read(bytes.data(), static_cast<std::size_t>(counted));
    }
    out = bigEndianValue(bytes.data(), counted);
    return true;
}

std::int32_t bigEndianValue(const unsigned char* bytes, int n) {
    std::uint32_t value = 0;
    for (int i = 0; i < n; ++i)
        value = (value << 8) | bytes[i];
    return static_cast<std::int32_t>(value);
}

}  // namespace qm
