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

// The about box: the program's name and version, its build's word size, and the
// configuration file it reads with whether that file is there.
inline constexpr char kAboutCaption[] = "Quillmereについて";
inline constexpr char kAboutVersion[] = "バージョン";
inline constexpr char kAbout32Bit[] = "32ビット版";
inline constexpr char kAbout64Bit[] = "64ビット版";
inline constexpr char kAboutConfiguration[] = "設定ファイル:\n";
inline constexpr char kAboutConfigurationFound[] = "この設定ファイルを使用しています。";
inline constexpr char kAboutConfigurationMissing[] = "設定ファイルが見つかりません。";

// The user guide beside the program: not there, or no viewer could open it. The
// path follows the text.
inline constexpr char kDocumentMissing[] = "ドキュメントが見つかりません。次の場所を探しました:\n";
inline constexpr char kDocumentNotOpened[] = "ドキュメントを開けませんでした:\n";

}  // namespace qm::texts
