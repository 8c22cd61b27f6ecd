// The two sample products the generator writes side by side: one scene in the
// record format and the same scene in the fast format.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace qm::sample {

// What the labels say, and so what the sample QMDATA.INI must list.
inline constexpr char kSatellite[] = "SYNTH-7";
inline constexpr char kSensor[] = "MSR";
inline constexpr char kRecordLogicalFormat[] = "SAMPLE-RECORD";
inline constexpr char kFastLogicalFormat[] = "SAMPLE-FAST";
inline constexpr char kRecordProduct[] = "SYN7REC";
inline constexpr char kFastProduct[] = "SYN7FAST";

struct SampleOptions {
    std::uint64_t seed = 1;
    int width = 1500;  // multispectral pixels per line; the panchromatic band has twice
    int height = 1200;
};

// The label files written, as paths of this machine.
struct SampleProducts {
    std::filesystem::path recordLabel;
    std::filesystem::path fastLabel;
};

// Writes both products into `directory` (created if missing), replacing files of
// the same names. Throws std::runtime_error naming the file that cannot be written.
SampleProducts writeSampleProducts(const std::filesystem::path& directory,
                                   const SampleOptions& options);

}  // namespace qm::sample
