// Where the parts of the control panel lie in the main window's client area: one
// block of 150 pixels per display channel below the toolbar, each holding the band
// chooser's field, the histogram area and the row of level controls; the scroll
// bars along the right and bottom edges of the image area.
#pragma once

#include "view/layout.h"

namespace qm::layout {

inline constexpr int kChannelBlockHeight = 150;
inline constexpr int kScrollBarThickness = 15;

// The band chooser's field sits at the top of the block; its height includes the
// dropped list.
inline constexpr int kBandChooserHeight = 150;
inline constexpr int kDroppedListWidth = 500;

// The histogram area starts this far below the block's top and is 100 pixels high.
inline constexpr int kHistogramOffset = 25;
inline constexpr int kHistogramHeight = 100;

// The row under the histogram: low-level up-down, level text box, high-level up-down.
inline constexpr int kLevelRowHeight = 25;
inline constexpr int kSpinWidth = 64;
inline constexpr int kTextBoxLeft = kSpinWidth;
inline constexpr int kTextBoxRight = kControlPanelWidth - kSpinWidth;
inline constexpr int kLevelTextX = 78;
inline constexpr int kLevelTextDown = 4;

constexpr int blockTop(int channel) {
    return kToolbarHeight + kChannelBlockHeight * channel;
}
constexpr int histogramTop(int channel) {
    return blockTop(channel) + kHistogramOffset;
}
constexpr int histogramBottom(int channel) {
    return histogramTop(channel) + kHistogramHeight;
}
constexpr int levelRowTop(int channel) {
    return histogramBottom(channel);
}
constexpr int levelRowBottom(int channel) {
    return levelRowTop(channel) + kLevelRowHeight;
}

// The image area's size for a client area: what the panel, the toolbar and the
// scroll bars leave. Negative when the client area is smaller than those.
constexpr int imageAreaWidth(int clientWidth) {
    return clientWidth - kControlPanelWidth - kScrollBarThickness;
}
constexpr int imageAreaHeight(int clientHeight) {
    return clientHeight - kToolbarHeight - kScrollBarThickness;
}

static_assert(histogramTop(1) == 211 && levelRowBottom(2) == 486);

}  // namespace qm::layout
