#include "view/levels.h"

// Level values are compared with whole numbers after a division: x87 registers,
// with their 80-bit intermediates, can round a value a hair below 254 up to it, so
// the 32-bit program would show other bytes than the 64-bit one.
#if defined(__i386__) && !defined(__SSE2_MATH__)
#error "32-bit x86 builds need -msse2 -mfpmath=sse (see cmake/mingw-i686.cmake)"
#endif

namespace qm {

std::uint8_t mapLevel(std::uint8_t pixel, LevelRange levels) {
    const std::int64_t range = std::int64_t{levels.high} - levels.low;
    // 255.0 / 0 has no finite value: equal levels show every pixel black.
    if (range == 0)
        return 0;
    const double factor = 255.0 / static_cast<double>(range);
    const double value = factor * static_cast<double>(std::int64_t{pixel} - levels.low);
    // Held to 0..255 before the conversion, so a product of any size stays defined.
    // Truncation toward zero maps all of 255..256 to 255 and all of -1..1 to 0.
    if (value >= 255.0)
        return 255;
    if (value <= 0.0)
        return 0;
    return static_cast<std::uint8_t>(value);
}

std::uint8_t zeroLevel(std::uint8_t, LevelRange) {
    return 0;
}

LevelTable levelTable(LevelFunction level, LevelRange levels) {
    LevelTable table{};
    for (std::size_t value = 0; value < table.size(); ++value)
        table[value] = level(static_cast<std::uint8_t>(value), levels);
    return table;
}

void mapGreyPixels(const std::uint8_t* line, const LevelTable& table, std::size_t count,
                   std::uint8_t* out) {
    for (std::size_t x = 0; x < count; ++x)
        out[x] = table[line[x]];
}

void mapColourPixels(const ChannelLines& lines, const ChannelTables& tables, std::size_t first,
                     std::size_t step, std::size_t count, std::uint8_t* out) {
    const std::uint8_t* red = lines[0];
    const std::uint8_t* green = lines[1];
    const std::uint8_t* blue = lines[2];
    const LevelTable& redTable = tables[0];
    const LevelTable& greenTable = tables[1];
    const LevelTable& blueTable = tables[2];
    std::size_t column = first;
    for (std::size_t x = 0; x < count; ++x, column += step, out += 3) {
        out[0] = blueTable[blue[column]];
        out[1] = greenTable[green[column]];
        out[2] = redTable[red[column]];
    }
}

}  // namespace qm
