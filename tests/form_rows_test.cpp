// Rows mapped through level forms by the vector code, against the table loops, for
// every kind of level pair, every step the forms take and row lengths on both
// sides of the vector widths. Lines and output are heap blocks of exactly the
// bytes used, so a read or write past them shows under the address sanitiser.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "view/form_rows.h"
#include "view/form_rows_avx2.h"
#include "view/level_form.h"
#include "view/levels.h"

namespace qm {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Turns the AVX2 rounds off for the life of the object.
class WithoutAvx2 {
  public:
    WithoutAvx2() : previous_(setAvx2Allowed(false)) {}
    ~WithoutAvx2() { setAvx2Allowed(previous_); }
    WithoutAvx2(const WithoutAvx2&) = delete;
    WithoutAvx2& operator=(const WithoutAvx2&) = delete;

  private:
    bool previous_;
};

// A line of exactly `size` bytes on the heap, every value from 0 to 255 present.
std::unique_ptr<std::uint8_t[]> lineOf(std::size_t size, int seed) {
    auto line = std::make_unique<std::uint8_t[]>(size);
    for (std::size_t i = 0; i < size; ++i)
        line[i] = static_cast<std::uint8_t>(i * 37 + static_cast<std::size_t>(seed) * 101);
    return line;
}

struct Pair {
    const char* name;
    LevelRange levels;
};

// One pair of each kind the forms tell apart, and slopes of every size and sign.
const Pair kPairs[] = {{"identity", {255, 0}},         {"constant", {7, 7}},
                       {"narrow", {150, 50}},          {"a hair below", {100, 0}},
                       {"wide", {300, -100}},          {"reversed", {100, 200}},
                       {"steepest", {1, 0}},           {"steepest down", {0, 1}},
                       {"beyond the top", {900, 300}}, {"all clamped", {-800, -900}}};

LevelForm formOf(const Pair& pair) {
    const std::optional<LevelForm> form = levelForm(levelTable(mapLevel, pair.levels), pair.levels);
    EXPECT_TRUE(form.has_value()) << pair.name;
    return form.value_or(LevelForm{});
}

// Each channel a different pair, rotated through all of them.
void expectColourRowsLikeTheTables(std::size_t step) {
    const std::size_t lengths[] = {0,  1,  2,  15, 16,  17,  18,  19,  31,  32,  33, 34,
                                   35, 47, 48, 49, 50,  51,  63,  64,  65,  66,  67, 95,
                                   96, 97, 98, 99, 100, 127, 129, 130, 255, 256, 257};
    constexpr std::size_t kFirst = 3;
    const std::size_t pairCount = std::size(kPairs);
    for (std::size_t rotation = 0; rotation < pairCount; ++rotation) {
        ChannelForms forms{};
        ChannelTables tables{};
        std::string names;
        for (std::size_t k = 0; k < 3; ++k) {
            const Pair& pair = kPairs[(rotation + k) % pairCount];
            forms[k] = formOf(pair);
            tables[k] = levelTable(mapLevel, pair.levels);
            names += std::string(k ? ", " : "") + pair.name;
        }
        for (const std::size_t count : lengths) {
            SCOPED_TRACE(names + "; step " + std::to_string(step) + ", " + std::to_string(count) +
                         " pixels");
            // The last pixel taken is the last byte of each line.
            const std::size_t size = count == 0 ? 1 : kFirst + (count - 1) * step + 1;
            std::array<std::unique_ptr<std::uint8_t[]>, 3> owned;
            ChannelLines lines{};
            for (std::size_t k = 0; k < 3; ++k) {
                owned[k] = lineOf(size, static_cast<int>(k));
                // A constant channel is not read: it gets no line at all.
                lines[k] = forms[k].isConstant() ? nullptr : owned[k].get();
            }
            ChannelLines tableLines{owned[0].get(), owned[1].get(), owned[2].get()};
            Bytes expected(3 * count);
            mapColourPixels(tableLines, tables, kFirst, step, count, expected.data());

            auto out = std::make_unique<std::uint8_t[]>(3 * count);
            mapColourPixelsByForms(lines, forms, kFirst, step, count, out.get());
            ASSERT_EQ(Bytes(out.get(), out.get() + 3 * count), expected);
        }
    }
}

TEST(FormRowsTest, ColourRowsAreTheTablesBytesAtEveryStepTheFormsTake) {
    for (const std::size_t step : {1u, 2u, 4u, 8u}) {
        ASSERT_TRUE(formsTakeStep(step));
        expectColourRowsLikeTheTables(step);
        // The same rows through the SSE2 rounds alone, where AVX2 would take them.
        const WithoutAvx2 sse2;
        expectColourRowsLikeTheTables(step);
    }
    for (const std::size_t step : {3u, 5u, 16u, 32u})
        EXPECT_FALSE(formsTakeStep(step)) << step;
}

TEST(FormRowsTest, GreyRowsAreTheTablesBytes) {
    for (const Pair& pair : kPairs) {
        const LevelForm form = formOf(pair);
        const LevelTable table = levelTable(mapLevel, pair.levels);
        for (std::size_t count = 0; count <= 70; ++count) {
            SCOPED_TRACE(std::string(pair.name) + ", " + std::to_string(count) + " pixels");
            const auto line = lineOf(count, 5);
            Bytes expected(count);
            mapGreyPixels(line.get(), table, count, expected.data());
            auto out = std::make_unique<std::uint8_t[]>(count);
            mapGreyPixelsByForm(line.get(), form, count, out.get());
            ASSERT_EQ(Bytes(out.get(), out.get() + count), expected);
        }
    }
}

}  // namespace
}  // namespace qm
