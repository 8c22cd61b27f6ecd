// Control ids of the main window's children. Channel i's controls take the first
// id of their kind plus i.
#pragma once

namespace qm::control {

inline constexpr int kFirstBandChooser = 100;
inline constexpr int kFirstLowSpin = 103;
inline constexpr int kFirstHighSpin = 106;
inline constexpr int kToolbar = 109;
inline constexpr int kVerticalScrollBar = 110;
inline constexpr int kHorizontalScrollBar = 111;
// A child of the toolbar: the pixel under the cursor and its band values.
inline constexpr int kPixelText = 112;

}  // namespace qm::control
