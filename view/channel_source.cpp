#include "view/channel_source.h"

#include <cstring>

#include "view/form_rows.h"

namespace qm {
namespace {

const LevelTable& zeroTable() {
    static const LevelTable table = levelTable(zeroLevel, {});
    return table;
}

// True when every index the row takes lies inside the channel's own buffer.
bool coversRow(const ChannelSource& source, std::int64_t rowStart, std::size_t first,
               std::size_t step, std::size_t count) {
    if (!source.pixels || rowStart < 0 || count == 0)
        return false;
    const std::int64_t last = rowStart + static_cast<std::int64_t>(first + (count - 1) * step);
    return last < source.size;
}

// The slow way for a row that runs past the channel's buffer: each index checked.
void mapClippedChannel(const ChannelSource& source, std::int64_t rowStart, std::size_t first,
                       std::size_t step, std::size_t count, std::size_t byte, std::uint8_t* out) {
    std::int64_t index = rowStart + static_cast<std::int64_t>(first);
    for (std::size_t j = 0; j < count; ++j, index += static_cast<std::int64_t>(step)) {
        const bool inside = index >= 0 && index < source.size;
        out[3 * j + byte] = inside ? source.table[source.pixels[index]] : 0;
    }
}

// The channels whose row lies wholly in their buffer; the others give 0 here, by
// the constant form 0 or the all-zero table, whichever the row goes through.
void mapWholeChannels(const ChannelSources& sources, const std::array<bool, 3>& whole,
                      const ChannelLines& lines, std::size_t first, std::size_t step,
                      std::size_t count, std::uint8_t* out) {
    ChannelForms forms{};
    bool formed = true;
    for (std::size_t k = 0; k < 3; ++k) {
        if (whole[k] && sources[k].form)
            forms[k] = *sources[k].form;
        else if (whole[k])
            formed = false;
    }
    if (formed && formsTakeStep(step)) {
        mapColourPixelsByForms(lines, forms, first, step, count, out);
        return;
    }
    ChannelTables tables{};
    for (std::size_t k = 0; k < 3; ++k)
        tables[k] = whole[k] ? sources[k].table : zeroTable();
    mapColourPixels(lines, tables, first, step, count, out);
}

}  // namespace

// The form is checked against the table here, once per composition or export.
ChannelSource bandSource(const std::uint8_t* pixels, std::int64_t size, LevelRange levels) {
    const LevelTable table = levelTable(mapLevel, levels);
    return {pixels, pixels ? size : 0, table, levelForm(table, levels)};
}

void mapColourRow(const ChannelSources& sources, std::int64_t rowStart, std::size_t first,
                  std::size_t step, std::size_t count, std::uint8_t* out) {
    if (count == 0)
        return;
    // Channels whose row lies wholly in their buffer are mapped together; the others
    // borrow a covered line that gives them 0, then are filled in.
    const ChannelSource* covered = nullptr;
    std::array<bool, 3> whole{};
    for (std::size_t k = 0; k < 3; ++k) {
        whole[k] = coversRow(sources[k], rowStart, first, step, count);
        if (whole[k] && !covered)
            covered = &sources[k];
    }
    if (covered) {
        ChannelLines lines{};
        for (std::size_t k = 0; k < 3; ++k)
            lines[k] = (whole[k] ? sources[k] : *covered).pixels + rowStart;
        mapWholeChannels(sources, whole, lines, first, step, count, out);
    } else {
        std::memset(out, 0, 3 * count);
    }
    for (std::size_t k = 0; k < 3; ++k) {
        if (!whole[k] && sources[k].pixels)
            mapClippedChannel(sources[k], rowStart, first, step, count, 2 - k, out);
    }
}

void mapGreyRow(const ChannelSource& source, std::int64_t rowStart, std::size_t count,
                std::uint8_t* out) {
    if (coversRow(source, rowStart, 0, 1, count)) {
        if (source.form)
            mapGreyPixelsByForm(source.pixels + rowStart, *source.form, count, out);
        else
            mapGreyPixels(source.pixels + rowStart, source.table, count, out);
        return;
    }
    std::int64_t index = rowStart;
    for (std::size_t j = 0; j < count; ++j, ++index) {
        const bool inside = source.pixels && index >= 0 && index < source.size;
        out[j] = inside ? source.table[source.pixels[index]] : 0;
    }
}

}  // namespace qm
