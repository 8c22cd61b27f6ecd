// The view's own texts, in one place so their bytes can be checked. Literals are
// compiled to code page 932, so these are Shift-JIS in every build.
#pragma once

namespace qm::texts {

// The level range under each histogram panel: low and high input level.
inline constexpr char kLevelRangeFormat[] = "%5d ～ %5d";

// Shown when a band chosen for display cannot be loaded.
inline constexpr char kLoadFailed[] = "データの読み込みに失敗しました。";
inline constexpr char kErrorCaption[] = "ERROR";

}  // namespace qm::texts
