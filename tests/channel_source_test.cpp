// Mapping one row of a picture from the channels' own buffers: table lookups where
// the row lies in a buffer, 0 wherever it does not.
#include <gtest/gtest.h>

#include <vector>

#include "view/channel_source.h"

namespace qm {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(ChannelSourceRow, GreyRowTakesTheTableAndGivesZeroOutsideTheBuffer) {
    const Bytes pixels{40, 50, 100, 150, 200, 10};
    // Reversed levels map 0 to 255, so a 0 outside the buffer is not the table's.
    const ChannelSource narrow = bandSource(pixels.data(), 6, {150, 50});
    const ChannelSource reversed = bandSource(pixels.data(), 6, {50, 150});
    struct Case {
        const ChannelSource* source;
        std::int64_t rowStart;
        Bytes expected;
    };
    const ChannelSource none;
    const Case cases[] = {
        {&narrow, 0, {0, 0, 127, 254, 255}},
        {&narrow, 3, {254, 255, 0, 0, 0}},  // runs past the buffer's end
        {&reversed, 4, {0, 255, 0, 0, 0}},
        {&narrow, -5, {0, 0, 0, 0, 0}},
        {&none, 0, {0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        Bytes out(5, 0xAA);
        mapGreyRow(*c.source, c.rowStart, out.size(), out.data());
        EXPECT_EQ(out, c.expected) << "row start " << c.rowStart;
    }
}

TEST(ChannelSourceRow, ColourRowTakesBlueFromChannelTwoAndClipsEachChannelToItsBuffer) {
    const Bytes red{1, 2, 3, 4, 5, 6, 7, 8};
    const Bytes green{11, 12, 13, 14, 15, 16, 17, 18};
    const Bytes shortBlue{21, 22, 23, 24, 25};  // a band of other geometry: fewer pixels
    const ChannelSources sources{bandSource(red.data(), 8, {255, 0}),
                                 bandSource(green.data(), 8, {255, 0}),
                                 bandSource(shortBlue.data(), 5, {0, 255})};
    Bytes out(9, 0xAA);
    // Indices 2, 4, 6: the third lies past the blue buffer.
    mapColourRow(sources, 2, 0, 2, 3, out.data());
    EXPECT_EQ(out, (Bytes{255 - 23, 13, 3, 255 - 25, 15, 5, 0, 17, 7}));

    // Only the short channel has a band, and only part of the row lies in it.
    const ChannelSources alone{ChannelSource{}, ChannelSource{}, sources[2]};
    mapColourRow(alone, 3, 0, 1, 3, out.data());
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 9), (Bytes{231, 0, 0, 230, 0, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace qm
