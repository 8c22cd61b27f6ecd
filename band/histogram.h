// The 256-bin histogram of one band: how often each pixel value occurs, the
// statistics the automatic levels use, the bar heights the histogram panels draw,
// and the band's input level pair.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace qm {

// Counts byte values into several partial tables filled in turn, merged at the end.
// A run of equal bytes, common in dark or flat areas, would otherwise make every
// increment wait for the one before it to be stored. Bytes may arrive in pieces
// (a band is counted block by block while its rows are still in the cache); at
// most INT32_MAX bytes in all, which a 32-bit unsigned partial counter always holds.
class PixelCounter {
  public:
    void add(const std::uint8_t* bytes, std::size_t length);
    // Adds what was counted to the counts (wrapping, never overflowing).
    void addTo(std::array<std::int32_t, 256>& counts) const;

  private:
    static constexpr int kTables = 4;
    std::uint32_t tables_[kTables][256] = {};
};

class Histogram {
  public:
    static constexpr int kBins = 256;
    // The panels' curve area is this many pixels high unless told otherwise.
    static constexpr std::int32_t kDefaultScale = 100;
    // No bar is drawn higher than this.
    static constexpr std::int32_t kMaxHeight = 255;

    // Adds every byte to its bin, then computes the statistics over length pixels.
    void accumulate(const std::uint8_t* bytes, std::int32_t length);

    // mean, modeBin and deviation over n pixels; pixels of value 0 count in n but
    // add nothing to the sums. No pixels give mean 0 and deviation 0.
    void computeStatistics(double n);

    // Heights such that the mode's bar is about `scale` pixels high (0 stands for
    // the default). A bar above kMaxHeight is cut to it, and an empty notice box
    // is shown for each bar cut.
    void buildDisplayTable(std::int32_t scale);

    std::array<std::int32_t, kBins> counts{};
    std::array<std::int32_t, kBins> heights{};
    std::int32_t mean = 0;
    // The most frequent value among 1 to 255; of equal counts the lowest wins.
    std::int32_t modeBin = 0;
    std::int32_t deviation = 0;
    // The input levels the display maps to 0 and 255; the histogram panels set them.
    std::int32_t lowLevel = 0;
    std::int32_t highLevel = 0;
    std::int32_t scale = kDefaultScale;
};

}  // namespace qm
