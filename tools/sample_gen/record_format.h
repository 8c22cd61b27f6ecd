// Band files in the record format: a file descriptor record, then one fixed-length
// record per image line, framed by a record header, prefix, fills and suffix.
#pragma once

#include <string>

#include "tools/sample_gen/scene.h"

namespace qm::sample {

// Where the framing counts stand. The sample QMDATA.INI names the same positions
// (PrefixPos, SuffixPos, LeftFillPos, RightFillPos and their sizes); the two must
// change together.
struct RecordLayout {
    static constexpr int kRecordHeaderBytes = 12;
    static constexpr int kRecordLengthOffset = 8;  // descriptor record, 4 bytes big-endian
    static constexpr int kPrefixCountPos = 32;     // descriptor record, ASCII decimal
    static constexpr int kPrefixCountSize = 8;
    static constexpr int kSuffixCountPos = 40;  // descriptor record, ASCII decimal
    static constexpr int kSuffixCountSize = 8;
    static constexpr int kLeftFillPos = 24;  // every image record, big-endian
    static constexpr int kLeftFillSize = 2;
    static constexpr int kRightFillPos = 26;  // every image record, big-endian
    static constexpr int kRightFillSize = 2;

    static constexpr int kPrefixBytes = 32;
    static constexpr int kLeftFillBytes = 4;
    static constexpr int kRightFillBytes = 8;
    static constexpr int kSuffixBytes = 16;

    static int recordLength(int pixelsPerLine) {
        return kRecordHeaderBytes + kPrefixBytes + kLeftFillBytes + pixelsPerLine +
               kRightFillBytes + kSuffixBytes;
    }
    static int firstPixelOffset() { return kRecordHeaderBytes + kPrefixBytes + kLeftFillBytes; }
};

// The whole band file for one band: (height + 1) records of
// RecordLayout::recordLength(width) bytes, the picture's top line first.
std::string recordBandFile(const Raster& band);

}  // namespace qm::sample
