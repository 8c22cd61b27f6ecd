// The application shell's own texts, in one place so their bytes can be checked.
// Literals are compiled to code page 932, so these are Shift-JIS in every build.
#pragma once

#include "product/no_band_reason.h"
#include "product/product_facts.h"

namespace qm::texts {

// First item of every band chooser: show nothing in this channel.
inline constexpr char kNoBand[] = "表示しない";

// The open dialog: two filter pairs (description, pattern), the label files first
// and chosen at the start, then the Landsat 7 headers that open a scene without a
// label, and the closing empty text; and its title.
inline constexpr char kLabelFilter[] =
    "LABファイル(*.LAB)\0*.LAB\0Landsat 7 ヘッダ(L7*_H??.FST)\0L7*_H??.FST\0";
inline constexpr char kOpenTitle[] = "LABファイルを選択してください。";

// The save dialog.
inline constexpr char kBitmapFilter[] = "BitmapFile(*.BMP)\0*.BMP\0";
inline constexpr char kSaveTitle[] = "ファイルの保存先を指定して下さい。";

// Shown when the bitmap file cannot be written: this text, the reason, then the
// path after kSaveKeptOld.
inline constexpr char kSaveFailed[] = "ファイルの保存に失敗しました。";
inline constexpr char kSaveFolderMissing[] = "保存先のフォルダがありません。";
inline constexpr char kSaveAccessDenied[] =
    "保存先のフォルダかファイルが読み取り専用か、書き込む権限がありません。";
inline constexpr char kSaveDiskFull[] = "ディスクの空き容量が足りません。";
inline constexpr char kSaveNameTooLong[] = "ファイルのパスが長すぎます。";
inline constexpr char kSaveIsFolder[] = "同じ名前のフォルダがあります。";
inline constexpr char kSaveOtherFailure[] = "ファイルを作成または書き込みできませんでした。";
inline constexpr char kSaveKeptOld[] = "保存先のファイルは元のままです:\n";

// The save command never writes over a file of the open product; the path follows.
inline constexpr char kSaveOverProduct[] =
    "開いているプロダクトのファイルには保存できません。別の名前を指定してください:\n";

// The spectral profile's tool window: its title, what it shows without a pixel,
// and the table's headings (radiance in W/(m2 sr um)).
inline constexpr char kProfileTitle[] = "スペクトルプロファイル";
inline constexpr char kProfileNoPixel[] =
    "画像の上にカーソルを置いてください。クリックで固定します。";
inline constexpr char kProfileBandHeading[] = "バンド";
inline constexpr char kProfileValueHeading[] = "値";
inline constexpr char kProfileRadianceHeading[] = "放射輝度";

// Product information's section titles and captions.
inline const FactWords kFactWords = {
    .sections = {"ラベル", "シーン", "処理", "投影", "太陽", "バンド", "見つからないファイル"},
    .captions =
        {
            "",
            "衛星",
            "センサー",
            "パス/ロウ",
            "観測日",
            "リクエストID",
            "プロダクトの種類",
            "プロダクトの大きさ",
            "処理の種類",
            "リサンプリング",
            "センサーモード",
            "ルック角",
            "画素の大きさ (m)",
            "画素あたりのビット数",
            "リビジョン",
            "ヘッダファイル",
            "地図投影",
            "ゾーン",
            "楕円体",
            "測地系",
            "左上",
            "右上",
            "右下",
            "左下",
            "中心",
            "方位角",
            "オフセット",
            "ジオトランスフォーム",
            "位置情報なし: ヘッダに画像の大きさがありません",
            "位置情報なし: 四隅の座標がないか 0 です",
            "位置情報なし: 四隅が格子から外れています",
            "緯度経度を計算できない投影",
            "太陽高度 (度)",
            "太陽方位角 (度)",
            "",
            "画素数 x ライン数",
            "ファイルの大きさ (バイト)",
            "バイアス",
            "ゲイン",
            "見つからない",
        },
};

// An opened product without a band: this text, then the reason.
inline constexpr char kNoBandFound[] = "バンドが見つかりませんでした。\n\n";
inline const NoBandTemplates kNoBandTemplates = {
    .labelMissing = "ラベルファイルが見つからないか、調べられません:\n%l",
    .labelUnreadable = "ラベルファイルを読み込めません:\n%l",
    .labelWithoutMarker = "ラベルファイルではありません（ZEPHYRLAB の印がありません）:\n%l",
    .noLogicalFormat = "ラベルに \"Logical Format\" がありません:\n%l",
    .configurationMissing =
        "設定ファイルが見つからないため、論理フォーマット \"%f\" が分かりません:\n%c",
    .unknownLogicalFormat =
        "論理フォーマット \"%f\" は設定ファイルの [Logical Format] にありません:\n%c",
    .noProductFolder =
        "ラベルのパスからプロダクトフォルダが決まりません（名前に '.' がありません）:\n%l",
    .productFolderMissing = "プロダクトフォルダがありません:\n%d",
    .noMatchingFile = "プロダクトフォルダにマスク \"%m\" に合うファイルがありません:\n%d",
    .noFileNameMask =
        "\n\n論理フォーマット \"%f\" は設定ファイルの [FileNameMask] にないため、"
        "すべてのファイルを試しました:\n%c",
    .noFastFormatHeader =
        "プロダクトフォルダにファストフォーマットのヘッダ L7*_HRF.FST がありません:\n%d",
    .headerUnreadable = "ファストフォーマットのヘッダを読み込めないか、ヘッダが短すぎます:\n%h",
    .bandRefused = "最初に合ったファイルがバンドとして読めません:\n%b\n",
    .sceneHeaderUnreadable = "ヘッダを読み込めません:\n%h",
    .sceneFilesMissing = "ヘッダが示すバンドファイルがフォルダにひとつもありません:\n%d",
    .refusals =
        {
            "パスが長すぎます（259バイトまで）。",
            "設定ファイル %c で \"%f\" のフォーマット番号 %k は 1（レコード形式）でも "
            "2（ファスト形式）でもありません。",
            "ファイルを開けないか、大きさが分かりません。",
            "レコード長の欄より、または1レコードより短いファイルです。",
            "レコード長（8～11バイト目）が0以下です。",
            "設定ファイル %c のセクション [%s] が16バイトより広い欄を指定しています。",
        },
};

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
