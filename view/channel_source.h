// What one display channel contributes to a composed or exported row: its band's
// pixels and its level table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "view/level_form.h"
#include "view/levels.h"

namespace qm {

struct ChannelSource {
    ChannelSource() = default;
    ChannelSource(const std::uint8_t* bandPixels, std::int64_t bandSize, const LevelTable& levels,
                  std::optional<LevelForm> levelsForm = std::nullopt)
        : pixels(bandPixels), size(bandSize), table(levels), form(levelsForm) {}

    // The band's buffer, null for a channel without a band.
    const std::uint8_t* pixels = nullptr;
    // Bytes in that buffer. A band whose geometry differs from the picture's may
    // hold fewer than the picture's pixel count.
    std::int64_t size = 0;
    // The channel's level function for every pixel value (all 0 without a band).
    LevelTable table{};
    // The same table as integer arithmetic, when a form matches it (bandSource
    // looks for one): rows then go through vector code. Without it, the table.
    std::optional<LevelForm> form;
};

// Channel 0 red, 1 green, 2 blue.
using ChannelSources = std::array<ChannelSource, 3>;

// A channel showing the band's pixels through its levels.
ChannelSource bandSource(const std::uint8_t* pixels, std::int64_t size, LevelRange levels);

// Maps `count` pixels of the picture, at source indices rowStart + first + j * step,
// to blue, green, red bytes (blue from channel 2). A channel without pixels gives
// 0, and so does a pixel whose index lies outside its own band's buffer: nothing is
// read there.
void mapColourRow(const ChannelSources& sources, std::int64_t rowStart, std::size_t first,
                  std::size_t step, std::size_t count, std::uint8_t* out);

// The same for one channel shown as grey, one byte per pixel, step 1.
void mapGreyRow(const ChannelSource& source, std::int64_t rowStart, std::size_t count,
                std::uint8_t* out);

}  // namespace qm
