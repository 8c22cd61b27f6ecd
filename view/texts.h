// The view's own texts, in one place so their bytes can be checked. Literals are
// compiled to code page 932, so these are Shift-JIS in every build.
#pragma once

namespace qm::texts {

// The level range under each histogram panel: low and high input level.
inline constexpr char kLevelRangeFormat[] = "%5d ～ %5d";

// Shown when a band chosen for display cannot be loaded.
inline constexpr char kLoadFailed[] = "データの読み込みに失敗しました。";
inline constexpr char kErrorCaption[] = "ERROR";

// The band change refuses bands of different sizes.
inline constexpr char kDifferentSizes[] = "サイズの違うデータを扱おうとしました。";

// The automatic true-colour levels need three bands in three-band mode.
inline constexpr char kThreeBandsNeeded[] =
    "これを実行するには、可視域の３バンドを選択する必要があります。";
inline constexpr char kThreeBandsNeededCaption[] = "選択バンド数が少ないか、単バンドモードです。";

// A shown band has no histogram (its load failed).
inline constexpr char kNoHistogram[] = "何故かヒストグラムデータがないバンドが存在します。";

}  // namespace qm::texts
