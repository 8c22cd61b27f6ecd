// The application shell's own texts, in one place so their bytes can be checked.
// Literals are compiled to code page 932, so these are Shift-JIS in every build.
#pragma once

namespace qm::texts {

// First item of every band chooser: show nothing in this channel.
inline constexpr char kNoBand[] = "表示しない";

// The band change refuses bands of different sizes.
inline constexpr char kDifferentSizes[] = "サイズの違うデータを扱おうとしました。";

// The automatic true-colour levels need three bands in three-band mode.
inline constexpr char kThreeBandsNeeded[] =
    "これを実行するには、可視域の３バンドを選択する必要があります。";
inline constexpr char kThreeBandsNeededCaption[] = "選択バンド数が少ないか、単バンドモードです。";

// A shown band has no histogram (its load failed).
inline constexpr char kNoHistogram[] = "何故かヒストグラムデータがないバンドが存在します。";

}  // namespace qm::texts
