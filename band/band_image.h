// One band file of a product: its path, its display name and the record geometry
// that says where the pixels of each image line lie.
//
// Two band file formats exist. The record format is a file of fixed-length records:
// a file descriptor record, then one record per image line, each framed by a 12-byte
// record header, prefix, fill and suffix bytes whose lengths the file itself states
// at positions the configuration file names. The fast format holds raw lines whose
// length and count come from the product's fast-format header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "band/band_format.h"
#include "band/band_refusal.h"
#include "band/histogram.h"

namespace qm {

class PixelCounter;
namespace platform {
class File;
}

// The display name the configuration gives a band's key in a section; nothing where
// it gives none (the key absent or "*", which means: use the file name).
std::optional<std::string> configuredBandName(const std::string& configPath,
                                              const std::string& section, const std::string& key);
// The display name a band without a configured one gets: its file's name.
std::string fileBandName(const std::string& path);

class BandImage {
  public:
    // The display name arrives through a 1024-byte name buffer.
    static constexpr std::size_t kNameBufferSize = 1024;
    // Every record-format record starts with a header of this many bytes.
    static constexpr int kRecordHeaderBytes = 12;
    // A framing field is read into a 17-byte zeroed scratch area, so a text field
    // keeps a terminating zero: wider fields are refused.
    static constexpr int kMaxFieldBytes = 16;
    // A band's pixel buffer may exceed the whole file by at most this many bytes,
    // which load as 0; a geometry asking for more is refused as damaged.
    static constexpr std::int32_t kMaxBytesBeyondFile = 1 << 20;

    // Where the pixels of a line lie. Pixel j of an image line is byte
    // firstPixelOffset + j of its record.
    struct Geometry {
        std::int32_t recordLength = 0;
        std::int32_t lineCount = 0;
        std::int32_t prefixBytes = 0;
        std::int32_t suffixBytes = 0;
        std::int32_t leftFillBytes = 0;
        std::int32_t rightFillBytes = 0;
        std::int32_t firstPixelOffset = 0;
        std::int32_t trailingBytes = 0;
        std::int32_t pixelsPerLine = 0;
    };

    BandImage() = default;
    // A band owns its pixel buffer and histogram, so it is never copied.
    BandImage(const BandImage&) = delete;
    BandImage& operator=(const BandImage&) = delete;

    // Stores the band file's full path (program form). False only when no memory is left.
    bool setPath(std::string_view path);

    // Size of the band file from the file system, or -1 when it cannot be examined.
    // A file larger than INT32_MAX bytes also gives -1: its size cannot be told in
    // 32 bits, and such a band is refused rather than measured with a clamped size.
    std::int32_t fileSize() const;

    // "BAND" followed by the character before a four-character extension (record
    // format) or the two characters before it (fast format). Empty when the path is
    // too short to hold those characters.
    std::string bandKey(BandFormat format) const;

    // Sets the display name from the band-layout section (satellite name followed by
    // sensor name; null names count as empty) of the configuration file, then the
    // geometry by format. The name stays set when the geometry fails. headerPixels
    // and headerLines are the fast-format header's numbers, taken as they stand,
    // even 0 or negative; the record format ignores them. Nothing when the band is
    // measured, otherwise why the file is no band.
    std::optional<BandRefusal> readGeometry(BandFormat format, const std::string& configPath,
                                            const char* satellite, const char* sensor,
                                            int headerPixels, int headerLines);

    // A band of a scene opened by its header, which states the band's size itself:
    // raw lines of pixelsPerLine bytes, lineCount of them (as they stand, even 0),
    // shown under the given name.
    void setSceneGeometry(std::string displayName, int pixelsPerLine, int lineCount);

    // The record-format geometry, with framing positions from the given section of
    // the given configuration file. Refused when the file cannot be read, is shorter
    // than 12 bytes or than one record, states no positive record length, or the
    // configuration gives a field width outside 0 to 16; the geometry is then left
    // as it was. Any other file gets the geometry its numbers give, even no line or
    // no pixel (such a band never loads); sums past 32 bits are held at the limit.
    std::optional<BandRefusal> readRecordGeometry(const std::string& configPath,
                                                  const std::string& section);

    // Reads the whole band into memory and, on the first load, builds its histogram.
    // A loaded band reads nothing. Bytes the file lacks are 0. False when the buffer
    // cannot be had (no line, no pixel or no record length, more pixels than 32 bits
    // count, more than kMaxBytesBeyondFile beyond the whole file, no memory) or the
    // file cannot be opened and measured; the band then stays as it was, and a later
    // call tries again.
    bool loadPixels();
    // Frees the pixels. The histogram stays, with its statistics and level pair.
    void releasePixels() { pixels_.reset(); }

    // The pixel at the column and line counted from 0 at the top-left of the
    // picture as shown (buffer row lineCount - 1 - line): from the buffer when the
    // band is loaded, otherwise by one read of that byte of the file, so that
    // nothing is loaded. A byte the file lacks is 0, as loading gives it. Nothing
    // outside the band, nor where loading would fail (the file cannot be opened or
    // measured, the geometry gives no buffer or asks far beyond the file).
    std::optional<std::uint8_t> pixelAt(std::int32_t column, std::int32_t line) const;

    const std::string& path() const { return path_; }
    const std::string& bandName() const { return bandName_; }
    std::int32_t recordLength() const { return geometry_.recordLength; }
    std::int32_t lineCount() const { return geometry_.lineCount; }
    std::int32_t pixelsPerLine() const { return geometry_.pixelsPerLine; }
    std::int32_t firstPixelOffset() const { return geometry_.firstPixelOffset; }
    std::int32_t trailingBytes() const { return geometry_.trailingBytes; }
    std::int32_t prefixBytes() const { return geometry_.prefixBytes; }
    std::int32_t suffixBytes() const { return geometry_.suffixBytes; }
    std::int32_t leftFillBytes() const { return geometry_.leftFillBytes; }
    std::int32_t rightFillBytes() const { return geometry_.rightFillBytes; }

    // pixelsPerLine x lineCount bytes without row padding, stored bottom-up: row 0
    // is the last line of the file. Null while the band is not loaded.
    const std::uint8_t* pixels() const { return pixels_.get(); }
    // The bytes pixels() holds once loaded, in 64 bits.
    std::int64_t pixelCount() const {
        return std::int64_t{geometry_.pixelsPerLine} * geometry_.lineCount;
    }
    // Null before the first successful load. The panels set its level pair through it.
    Histogram* histogram() const { return histogram_.get(); }

  private:
    void readDisplayName(const std::string& configPath, const std::string& section,
                         const std::string& key);
    // Opens the file when the geometry and the file's size allow a load: the file's
    // size, or -1.
    std::int32_t openLoadable(platform::File& file) const;
    bool readPixels(PixelCounter* counter);
    std::optional<std::uint8_t> readPixel(std::int64_t row, std::int32_t column) const;

    std::string path_;
    std::string bandName_;
    Geometry geometry_;
    std::unique_ptr<std::uint8_t[]> pixels_;
    // Made on the first load and kept until the band dies, through every release.
    std::unique_ptr<Histogram> histogram_;
};

// Opens the file, reads n bytes at the offset and combines them as bigEndianValue
// does. Bytes that lie outside the file count as 0 in their place. False only when
// the file cannot be opened; out is then left unchanged.
bool readBigEndianAt(const std::string& path, std::int64_t offset, int n, int& out);

// The n unsigned bytes as a big-endian number, wrapping in 32 bits and seen as
// signed: n = 0 gives 0, and for n above 4 only the last four bytes count.
std::int32_t bigEndianValue(const unsigned char* bytes, int n);

}  // namespace qm
