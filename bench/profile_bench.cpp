// Reading the spectral profile at one pixel against opening and reading the same
// bytes directly. The scene is opened by its header: eight bands of 8000 x 7000
// pixels (bands 1 to 5 and 7 under *_HRF.FST, band 6's two gains under *_HTM.FST),
// none of them loaded. Each iteration picks another pixel and times
// spectralProfile, which reads one byte of each band file (raw: open, pread of
// that byte and close, for each of the eight files). The files are read once
// beforehand, so both find them in the file cache. Counters: raw_us, profile_us
// (per profile, the goal being under 1 ms) and ratio (profile over raw).
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "product/product_catalog.h"
#include "product/spectral_profile.h"
#include "tools/sample_gen/fast_format.h"

namespace qm {
namespace {

constexpr int kPixels = 8000;
constexpr int kLines = 7000;
constexpr int kBands = 8;
constexpr int kIterations = 2000;
constexpr char kStem[] = "L71BENCH";
constexpr char kReflectiveHeader[] = "L71BENCH_HRF.FST";
constexpr const char* kBandCodes[kBands] = {"10", "20", "30", "40", "50", "61", "62", "70"};

using bench::Clock;
using bench::millisecondsSince;

// The scene's headers and band files, written once and read once so that every
// iteration finds them in the file cache.
class SceneFiles {
  public:
    SceneFiles() : folder_("quillmere-profile-bench-", "") {
        writeHeaders();
        std::uint32_t seed = 3;
        for (const char* code : kBandCodes) {
            const std::string name = sample::fastBandFileName(kStem, code);
            writeBand(name, seed);
            bandPaths_.push_back(folder_.nativePath(name));
        }
        for (const std::string& path : bandPaths_)
            readWhole(path);
    }
    SceneFiles(const SceneFiles&) = delete;
    SceneFiles& operator=(const SceneFiles&) = delete;

    std::string headerPath() const { return folder_.programPath(kReflectiveHeader); }
    std::string configurationPath() const { return folder_.configurationPath(); }
    const std::vector<std::string>& bandPaths() const { return bandPaths_; }

  private:
    // The reflective and thermal headers; without the panchromatic one every band
    // has the same size.
    void writeHeaders() const {
        for (const sample::NamedFile& file :
             sample::fastHeaderFiles(kStem, "LANDSAT7", "ETM+", kPixels, kLines)) {
            if (file.name.ends_with("_HPN.FST"))
                continue;
            std::ofstream(folder_.path() / file.name, std::ios::binary) << file.bytes;
        }
    }

    void writeBand(const std::string& name, std::uint32_t& seed) const {
        std::ofstream out(folder_.path() / name, std::ios::binary);
        for (int line = 0; line < kLines; ++line)
            out.write(bench::sceneLine(seed, kPixels).data(), kPixels);
    }

    static void readWhole(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::vector<char> chunk(1 << 20);
        while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount()) {
        }
    }

    bench::BenchFolder folder_;
    std::vector<std::string> bandPaths_;
};

const SceneFiles& sceneFiles() {
    static const SceneFiles files;
    return files;
}

// The least any reading of the pixel costs: each file opened, the byte at the
// pixel's offset read (the files hold exactly the band's lines, top first) and the
// file closed.
std::uint32_t rawPixels(const std::vector<std::string>& paths, int column, int line) {
    const off_t offset = static_cast<off_t>(line) * kPixels + column;
    std::uint32_t sum = 0;
    for (const std::string& path : paths) {
        const int descriptor = ::open(path.c_str(), O_RDONLY);
        unsigned char byte = 0;
        if (descriptor >= 0 && ::pread(descriptor, &byte, 1, offset) == 1)
            sum += byte;
        if (descriptor >= 0)
            ::close(descriptor);
    }
    return sum;
}

void profileAgainstRawReads(benchmark::State& state) {
    const SceneFiles& files = sceneFiles();
    ProductCatalog catalog(files.configurationPath());
    if (!catalog.openScene(files.headerPath()) || catalog.bandCount() != kBands) {
        state.SkipWithError("the scene does not open with eight bands");
        return;
    }
    double rawTotal = 0;
    double profileTotal = 0;
    std::uint32_t seed = 5;
    for (auto _ : state) {
        seed = seed * 1664525u + 1013904223u;
        const int column = static_cast<int>((seed >> 8) % kPixels);
        const int line = static_cast<int>((seed >> 4) % kLines);

        const Clock::time_point rawStart = Clock::now();
        benchmark::DoNotOptimize(rawPixels(files.bandPaths(), column, line));
        rawTotal += millisecondsSince(rawStart);

        const Clock::time_point start = Clock::now();
        const std::vector<ProfileEntry> profile = spectralProfile(catalog, 0, column, line);
        const double elapsed = millisecondsSince(start);
        if (profile.size() != kBands || !profile.back().value) {
            state.SkipWithError("the profile misses a band");
            return;
        }
        benchmark::DoNotOptimize(profile.data());
        profileTotal += elapsed;
        state.SetIterationTime(elapsed / 1000);
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["raw_us"] = 1000 * rawTotal / iterations;
    state.counters["profile_us"] = 1000 * profileTotal / iterations;
    state.counters["ratio"] = profileTotal / rawTotal;
}

BENCHMARK(profileAgainstRawReads)
    ->UseManualTime()
    ->Iterations(kIterations)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qm
