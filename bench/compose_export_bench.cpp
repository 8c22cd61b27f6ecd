// Composing the display image and exporting the picture, each against the least
// that moving the same bytes costs, measured in the same run.
//
// Three 8000 x 7000 bands are loaded once and shared by every benchmark.
// compose/zoom:Z fills a 1920 x 1080 display from the three bands at zoom Z in
// three-band mode, full levels (the levels a band change sets); compose_stretched
// the same with each channel's levels stretched as the automatic levels do; its baseline is one
// memcpy of the display buffer's bytes (bufferSize) between two buffers already in memory.
// Counters: memcpy_ms, compose_ms and ratio (compose over memcpy); source_ms, one touch of every
// cache line of the source the rows span (at zoom 4 that is 7,680 of each band line's 8,000 bytes,
// four times what zoom 1 reads), and source_ratio, compose over it. export/single_band and
// export/three_bands write the whole picture as an 8-bit or a 24-bit bitmap file into a temporary
// folder; the baseline is one fwrite of as many bytes as the file holds, from a buffer already in
// memory, into the same folder, fopen and fclose included in both. Counters: write_ms, export_ms
// and ratio (export over write). Times are medians over the iterations and the ratio is that of the
// medians: on a machine shared with other work, a preempted iteration moves them little.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "band/band_image.h"
#include "bench/bench_support.h"
#include "paths/paths.h"
#include "platform/platform.h"
#include "view/bitmap_file.h"
#include "view/image_view.h"

namespace qm {
namespace {

constexpr int kPixels = 8000;
constexpr int kLines = 7000;
constexpr int kDisplayWidth = 1920;
constexpr int kDisplayHeight = 1080;
constexpr int kComposeIterations = 100;
constexpr int kExportIterations = 10;

using bench::Clock;
using bench::millisecondsSince;

// The middle of the times: one iteration that another process held up moves a
// median far less than a mean.
double median(std::vector<double> times) {
    if (times.empty())
        return 0;
    const auto middle = times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2);
    std::nth_element(times.begin(), middle, times.end());
    return *middle;
}

// Three fast-format band files, written once line by line (never whole in
// memory), and their bands loaded once. The exported files go to the same folder.
class ShownBands {
  public:
    ShownBands() : folder_("quillmere-compose-", "[SAT1OPT]\n") {
        for (std::size_t b = 0; b < bands_.size(); ++b)
            bands_[b] = loadedBand("SCENE_B" + std::to_string(b + 1) + "0.FST",
                                   static_cast<std::uint32_t>(b + 1));
    }
    ShownBands(const ShownBands&) = delete;
    ShownBands& operator=(const ShownBands&) = delete;

    // False when a band could not be written or loaded as 8000 x 7000.
    bool ready() const {
        for (const auto& band : bands_) {
            if (!band || !band->pixels())
                return false;
        }
        return true;
    }
    BandImage* band(std::size_t index) const { return bands_[index].get(); }
    std::string nativePath(const std::string& name) const { return folder_.nativePath(name); }
    std::string programPath(const std::string& name) const { return folder_.programPath(name); }

  private:
    std::unique_ptr<BandImage> loadedBand(const std::string& name, std::uint32_t seed) const {
        {
            std::ofstream out(folder_.path() / name, std::ios::binary);
            for (int line = 0; line < kLines; ++line)
                out.write(bench::sceneLine(seed, kPixels).data(), kPixels);
        }
        auto band = std::make_unique<BandImage>();
        if (!band->setPath(programPath(name)) ||
            band->readGeometry(BandFormat::Fast, folder_.configurationPath(), "SAT1", "OPT",
                               kPixels, kLines) ||
            !band->loadPixels())
            return nullptr;
        std::filesystem::remove(folder_.path() / name);  // only the pixels in memory are used
        return band;
    }

    bench::BenchFolder folder_;
    std::array<std::unique_ptr<BandImage>, 3> bands_;
};

const ShownBands& shownBands() {
    static const ShownBands bands;
    return bands;
}

// A view showing the shared bands in the mode, full levels.
void show(ImageView& view, const ShownBands& bands, DisplayMode mode,
          const ChannelLevels& levels = {}) {
    view.setMode(mode);
    view.setChannels(bands.band(0), bands.band(1), bands.band(2));
    view.applyLevels(levels);
}

// Levels as the automatic true-colour levels set them on a real scene: a
// different stretch on each channel, none of them the full range.
const ChannelLevels kStretchedLevels = {{{200, 40}, {215, 30}, {190, 55}}};

// Touches every cache line of the source spans that the composition's rows take
// from the three bands (zoom columns apart, zoom lines apart): the memory traffic
// that no composition of these rows can avoid, with next to no work. Returns a
// sum, so that the reads stay.
std::uint64_t touchSourceSpans(const ShownBands& bands, std::int64_t zoom) {
    constexpr std::int64_t kCacheLine = 64;
    std::uint64_t sum = 0;
    const std::int64_t span = std::min<std::int64_t>((kDisplayWidth - 1) * zoom + 1, kPixels);
    for (std::int64_t row = 0; row < kDisplayHeight; ++row) {
        const std::int64_t line = kLines - (row + 1) * zoom;
        if (line < 0)
            break;
        for (std::size_t b = 0; b < 3; ++b) {
            const std::uint8_t* from = bands.band(b)->pixels() + line * kPixels;
            for (std::int64_t x = 0; x < span; x += kCacheLine)
                sum += from[x];
            sum += from[span - 1];
        }
    }
    return sum;
}

// The argument is the subsampling factor, or with `magnified` the magnification.
void composeAgainstMemcpy(benchmark::State& state, const ChannelLevels& levels,
                          bool magnified = false) {
    const ShownBands& bands = shownBands();
    if (!bands.ready()) {
        state.SkipWithError("the bands cannot be made and loaded");
        return;
    }
    ImageView view;
    show(view, bands, DisplayMode::ThreeBand, levels);
    if (magnified)
        view.setMagnification(static_cast<std::int32_t>(state.range(0)));
    else
        view.setZoom(static_cast<std::int32_t>(state.range(0)));
    if (!view.prepareBuffer(kDisplayWidth, kDisplayHeight)) {
        state.SkipWithError("no display buffer");
        return;
    }
    const auto size = static_cast<std::size_t>(view.bufferSize());
    std::vector<std::uint8_t> source(size, 0x5A);
    std::vector<std::uint8_t> target(size, 0xA5);

    std::vector<double> memcpyTimes;
    std::vector<double> sourceTimes;
    std::vector<double> composeTimes;
    for (auto _ : state) {
        const Clock::time_point copyStart = Clock::now();
        std::memcpy(target.data(), source.data(), size);
        benchmark::ClobberMemory();
        memcpyTimes.push_back(millisecondsSince(copyStart));

        const Clock::time_point sourceStart = Clock::now();
        benchmark::DoNotOptimize(touchSourceSpans(bands, view.zoom()));
        sourceTimes.push_back(millisecondsSince(sourceStart));

        const Clock::time_point composeStart = Clock::now();
        const bool composed = view.compose();
        benchmark::ClobberMemory();
        const double compose = millisecondsSince(composeStart);
        if (!composed) {
            state.SkipWithError("compose failed");
            return;
        }
        composeTimes.push_back(compose);
        state.SetIterationTime(compose / 1000);
    }
    benchmark::DoNotOptimize(target.data());
    state.counters["memcpy_ms"] = median(memcpyTimes);
    state.counters["compose_ms"] = median(composeTimes);
    state.counters["ratio"] = median(composeTimes) / median(memcpyTimes);
    state.counters["source_ms"] = median(sourceTimes);
    state.counters["source_ratio"] = median(composeTimes) / median(sourceTimes);
}

// One fwrite of the whole buffer into a new file, fopen and fclose included.
double writeWhole(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const Clock::time_point start = Clock::now();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return -1;
    const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file);
    const bool closed = std::fclose(file) == 0;
    const double elapsed = millisecondsSince(start);
    return written == bytes.size() && closed ? elapsed : -1;
}

void exportAgainstWrite(benchmark::State& state, DisplayMode mode) {
    const ShownBands& bands = shownBands();
    if (!bands.ready()) {
        state.SkipWithError("the bands cannot be made and loaded");
        return;
    }
    ImageView view;
    show(view, bands, mode);
    const std::optional<BitmapFileLayout> layout = bitmapFileLayout(mode, kPixels, kLines);
    if (!layout) {
        state.SkipWithError("no bitmap layout");
        return;
    }
    const std::vector<std::uint8_t> bytes(layout->fileSize, 0x5A);
    const std::string rawPath = bands.nativePath("RAW.BMP");
    const std::string exportPath = bands.programPath("EXPORT.BMP");

    std::vector<double> writeTimes;
    std::vector<double> exportTimes;
    bool writeFirst = true;
    for (auto _ : state) {
        // Turn about, so that neither file always meets the other's dirty pages.
        const double before = writeFirst ? writeWhole(rawPath, bytes) : 0;
        const Clock::time_point start = Clock::now();
        const bool exported = view.exportBitmap(exportPath) == platform::WriteFailure::None;
        const double elapsed = millisecondsSince(start);
        const double write = writeFirst ? before : writeWhole(rawPath, bytes);
        writeFirst = !writeFirst;
        if (write < 0 || !exported ||
            platform::fileSize(exportPath) != static_cast<std::int64_t>(bytes.size())) {
            state.SkipWithError("a file could not be written");
            return;
        }
        writeTimes.push_back(write);
        exportTimes.push_back(elapsed);
        state.SetIterationTime(elapsed / 1000);
    }
    std::filesystem::remove(rawPath);
    std::filesystem::remove(platform::toNativePath(exportPath));
    state.counters["write_ms"] = median(writeTimes);
    state.counters["export_ms"] = median(exportTimes);
    state.counters["ratio"] = median(exportTimes) / median(writeTimes);
}

BENCHMARK_CAPTURE(composeAgainstMemcpy, full_levels, ChannelLevels{})
    ->Name("compose")
    ->ArgName("zoom")
    ->Arg(1)
    ->Arg(4)
    ->UseManualTime()
    ->Iterations(kComposeIterations)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(composeAgainstMemcpy, stretched_levels, kStretchedLevels)
    ->Name("compose_stretched")
    ->ArgName("zoom")
    ->Arg(1)
    ->Arg(4)
    ->UseManualTime()
    ->Iterations(kComposeIterations)
    ->Unit(benchmark::kMillisecond);
// Magnified, each source line is composed once and its rows are copies: the goal is
// within twice a memcpy of the display image at 4x.
BENCHMARK_CAPTURE(composeAgainstMemcpy, magnified, kStretchedLevels, true)
    ->Name("compose_magnified")
    ->ArgName("magnification")
    ->Arg(2)
    ->Arg(4)
    ->Arg(16)
    ->UseManualTime()
    ->Iterations(kComposeIterations)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(exportAgainstWrite, single_band, DisplayMode::SingleBand)
    ->Name("export/single_band")
    ->UseManualTime()
    ->Iterations(kExportIterations)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(exportAgainstWrite, three_bands, DisplayMode::ThreeBand)
    ->Name("export/three_bands")
    ->UseManualTime()
    ->Iterations(kExportIterations)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qm
