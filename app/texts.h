// The application shell's own texts, in one place so their bytes can be checked.
// Literals are compiled to code page 932, so these are Shift-JIS in every build.
#pragma once

namespace qm::texts {

// First item of every band chooser: show nothing in this channel.
inline constexpr char kNoBand[] = "表示しない";

// The open dialog: one filter pair (description, pattern, and the closing empty
// text) and its title.
inline constexpr char kLabelFilter[] = "LABファイル(*.LAB)\0*.LAB\0";
inline constexpr char kOpenTitle[] = "LABファイルを選択してください。";

// The save dialog.
inline constexpr char kBitmapFilter[] = "BitmapFile(*.BMP)\0*.BMP\0";
inline constexpr char kSaveTitle[] = "ファイルの保存先を指定して下さい。";

// Shown when the bitmap file cannot be written.
inline constexpr char kSaveFailed[] = "ファイルの保存に失敗しました。";

}  // namespace qm::texts
