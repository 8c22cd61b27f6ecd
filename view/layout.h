// Where the image area lies in the main window's client area: right of the control
// panel and below the toolbar.
#pragma once

namespace qm::layout {

inline constexpr int kControlPanelWidth = 256;
inline constexpr int kToolbarHeight = 36;

}  // namespace qm::layout
