// Loading a band against reading its file. For an 8000 x 7000 band of each format,
// every iteration times a plain read of the whole file into one new buffer (raw)
// and a fresh band's loadPixels, which reads the lines bottom-up and builds the
// histogram. Counters: raw_ms, load_ms and their ratio; histogram_ms, the histogram
// pass alone over pixels already in memory; touched_ms, the raw read followed by
// one access to every page of its buffer, the least that any use of freshly read
// memory costs (far above raw_ms where the first access to a page is expensive, as
// on virtual machines with shadow page tables), and touched_ratio, load_ms over it.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "band/band_image.h"
#include "band/histogram.h"
#include "bench/bench_support.h"
#include "paths/paths.h"
#include "platform/platform.h"

namespace qm {
namespace {

constexpr int kPixels = 8000;
constexpr int kLines = 7000;
constexpr int kIterations = 10;

// The record-format band states a 32-byte prefix and an 8-byte suffix as text in
// its file descriptor record, where the configuration says they stand.
constexpr int kPrefixBytes = 32;
constexpr int kSuffixBytes = 8;
constexpr int kRecordLength = BandImage::kRecordHeaderBytes + kPrefixBytes + kPixels + kSuffixBytes;
constexpr char kConfiguration[] =
    "[SAT1OPT]\nPrefixPos=20\nPrefixSize=4\nSuffixPos=24\nSuffixSize=4\n";

using bench::Clock;
using bench::millisecondsSince;

// The two band files, made once in a folder of their own and read once, so that
// every iteration finds them in the file cache.
class BandFiles {
  public:
    BandFiles() : folder_("quillmere-bench-", kConfiguration) {
        writeRecordBand();
        writeFastBand();
        for (const char* name : {kRecordName, kFastName})
            readWhole(nativePath(name));
    }
    BandFiles(const BandFiles&) = delete;
    BandFiles& operator=(const BandFiles&) = delete;

    static constexpr char kRecordName[] = "SCENE_B1.DAT";
    static constexpr char kFastName[] = "SCENE_B10.FST";

    std::string nativePath(const char* name) const { return folder_.nativePath(name); }
    std::string programPath(const char* name) const { return folder_.programPath(name); }

    // A plain sequential read of the whole file into one new buffer, in
    // milliseconds; with touchPages, each page of the buffer is then read once.
    static double readWhole(const std::string& path, bool touchPages = false) {
        const Clock::time_point start = Clock::now();
        std::FILE* file = std::fopen(path.c_str(), "rb");
        const auto size = static_cast<std::size_t>(std::filesystem::file_size(path));
        std::unique_ptr<std::uint8_t[]> buffer(new std::uint8_t[size]);
        const std::size_t got = file ? std::fread(buffer.get(), 1, size, file) : 0;
        if (file)
            std::fclose(file);
        std::uint64_t sum = 0;
        if (touchPages) {
            for (std::size_t i = 0; i < got; i += kPageBytes)
                sum += buffer[i];
        }
        const double elapsed = millisecondsSince(start);
        benchmark::DoNotOptimize(sum);
        return elapsed;
    }

  private:
    static constexpr std::size_t kPageBytes = 4096;

    void writeRecordBand() const {
        std::ofstream out(folder_.path() / kRecordName, std::ios::binary);
        std::string descriptor(kRecordLength, '\0');
        const std::uint32_t length = kRecordLength;
        for (int i = 0; i < 4; ++i)
            descriptor[static_cast<std::size_t>(8 + i)] = static_cast<char>(length >> (24 - 8 * i));
        descriptor.replace(20, 4, "  32");
        descriptor.replace(24, 4, "   8");
        out.write(descriptor.data(), kRecordLength);
        std::uint32_t seed = 1;
        const std::string prefix(BandImage::kRecordHeaderBytes + kPrefixBytes, 'p');
        const std::string suffix(kSuffixBytes, 's');
        for (int line = 0; line < kLines; ++line) {
            out.write(prefix.data(), static_cast<std::streamsize>(prefix.size()));
            out.write(bench::sceneLine(seed, kPixels).data(), kPixels);
            out.write(suffix.data(), static_cast<std::streamsize>(suffix.size()));
        }
    }

    void writeFastBand() const {
        std::ofstream out(folder_.path() / kFastName, std::ios::binary);
        std::uint32_t seed = 2;
        for (int line = 0; line < kLines; ++line)
            out.write(bench::sceneLine(seed, kPixels).data(), kPixels);
    }

    bench::BenchFolder folder_;
};

const BandFiles& bandFiles() {
    static const BandFiles files;
    return files;
}

void loadAgainstRawRead(benchmark::State& state, const char* fileName, BandFormat format) {
    const BandFiles& files = bandFiles();
    double rawTotal = 0;
    double touchedTotal = 0;
    double loadTotal = 0;
    double histogramTotal = 0;
    for (auto _ : state) {
        rawTotal += BandFiles::readWhole(files.nativePath(fileName));
        touchedTotal += BandFiles::readWhole(files.nativePath(fileName), true);

        BandImage band;
        if (!band.setPath(files.programPath(fileName)) ||
            band.readGeometry(format, files.programPath("QMDATA.INI"), "SAT1", "OPT", kPixels,
                              kLines)) {
            state.SkipWithError("the band's geometry cannot be read");
            return;
        }
        const Clock::time_point start = Clock::now();
        const bool loaded = band.loadPixels();
        const double load = millisecondsSince(start);
        if (!loaded || band.pixelsPerLine() != kPixels || band.lineCount() != kLines) {
            state.SkipWithError("the band does not load as 8000 x 7000");
            return;
        }
        loadTotal += load;
        state.SetIterationTime(load / 1000);

        const Clock::time_point histogramStart = Clock::now();
        Histogram histogram;
        histogram.accumulate(band.pixels(), kPixels * kLines);
        histogramTotal += millisecondsSince(histogramStart);
        benchmark::DoNotOptimize(histogram.counts.data());
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["raw_ms"] = rawTotal / iterations;
    state.counters["load_ms"] = loadTotal / iterations;
    state.counters["histogram_ms"] = histogramTotal / iterations;
    state.counters["touched_ms"] = touchedTotal / iterations;
    state.counters["ratio"] = loadTotal / rawTotal;
    state.counters["touched_ratio"] = loadTotal / touchedTotal;
}

BENCHMARK_CAPTURE(loadAgainstRawRead, record_format, BandFiles::kRecordName, BandFormat::Record)
    ->UseManualTime()
    ->Iterations(kIterations)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(loadAgainstRawRead, fast_format, BandFiles::kFastName, BandFormat::Fast)
    ->UseManualTime()
    ->Iterations(kIterations)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qm
