// The program's resources as the running program finds them: the main menu, the
// tooltip strings and the toolbar bitmap, read through the ANSI functions, which
// hand the Japanese texts out in code page 932 (Shift-JIS).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "res/resource.h"

namespace qm {
namespace {

enum class Kind { kItem, kSeparator, kPopup };

// One entry of the menu in walk order; a popup's entries follow it one level deeper.
struct MenuRow {
    int depth = 0;
    Kind kind = Kind::kItem;
    std::string label;
    UINT id = 0;  // items only
    bool grayedOrChecked = false;

    bool operator==(const MenuRow&) const = default;
};

bool isLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Shift-JIS bytes as the \x escapes of the expectations below: both bytes of a
// double-byte character escaped, so that an ASCII trail byte is not shown bare.
std::string escaped(const std::string& bytes) {
    std::string text;
    bool trail = false;
    for (const unsigned char byte : bytes) {
        if (byte < 0x80 && !trail) {
            text += static_cast<char>(byte);
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            text += hex;
        }
        trail = !trail && isLeadByte(byte);
    }
    return text;
}

void PrintTo(const MenuRow& row, std::ostream* out) {
    const char* kinds[] = {"item", "separator", "popup"};
    *out << "{depth " << row.depth << ", " << kinds[static_cast<int>(row.kind)] << " \""
         << escaped(row.label) << "\", id " << row.id
         << (row.grayedOrChecked ? ", grayed or checked}" : "}");
}

MenuRow popup(int depth, const char* label) {
    return {depth, Kind::kPopup, label, 0, false};
}
MenuRow item(int depth, const char* label, UINT id) {
    return {depth, Kind::kItem, label, id, false};
}
MenuRow separator(int depth) {
    return {depth, Kind::kSeparator, "", 0, false};
}

MenuRow readRow(HMENU menu, int position, int depth) {
    char text[128] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text;
    if (!GetMenuItemInfoA(menu, position, TRUE, &info)) {
        ADD_FAILURE() << "no menu item at position " << position;
        return {};
    }
    if (info.fType & MFT_SEPARATOR) {
        // The menu reports a separator as grayed: it can never be chosen.
        return separator(depth);
    }
    MenuRow row{depth, Kind::kItem, text, info.wID, false};
    row.grayedOrChecked = (info.fState & (MFS_GRAYED | MFS_DISABLED | MFS_CHECKED)) != 0;
    if (info.hSubMenu != nullptr) {
        row.kind = Kind::kPopup;
        row.id = 0;  // a popup has no command of its own
    }
    return row;
}

void walkMenu(HMENU menu, int depth, std::vector<MenuRow>& rows) {
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        rows.push_back(readRow(menu, position, depth));
        if (rows.back().kind == Kind::kPopup) {
            walkMenu(GetSubMenu(menu, position), depth + 1, rows);
        }
    }
}

HINSTANCE program() {
    return GetModuleHandleA(nullptr);
}

TEST(MainMenuResource, HoldsEveryPopupAndItemWithItsShiftJisLabelAndCommand) {
    const HMENU menu = LoadMenuA(program(), "IDR_MAIN_MENU");
    ASSERT_NE(menu, nullptr);
    std::vector<MenuRow> rows;
    walkMenu(menu, 0, rows);
    DestroyMenu(menu);

    const std::vector<MenuRow> expected = {
        popup(0, "\x83\x74\x83\x40\x83\x43\x83\x8B(&F)"),         // ファイル(&F)
        item(1, "CD-ROM\x82\xF0\x8A\x4A\x82\xAD(&O)", IDM_OPEN),  // CD-ROMを開く(&O)
        item(1, "\x96\xBC\x91\x4F\x82\xF0\x95\x74\x82\xAF\x82\xC4\x95\xDB\x91\xB6(&S)",
             IDM_SAVE_AS),  // 名前を付けて保存(&S)
        item(1, "\x83\x76\x83\x8D\x83\x5F\x83\x4E\x83\x67\x8F\xEE\x95\xF1(&I)...",
             IDM_PRODUCT_INFO),  // プロダクト情報(&I)...
        separator(1),
        item(1, "\x8F\x49\x97\xB9(&Q)", IDM_QUIT),          // 終了(&Q)
        popup(0, "\x95\xD2\x8F\x57(&E)"),                   // 編集(&E)
        item(1, "\x83\x52\x83\x73\x81\x5B(&C)", IDM_COPY),  // コピー(&C)
        separator(1),
        item(1, "\x83\x6F\x83\x93\x83\x68\x95\xCF\x8D\x58\x82\xCC\x93\x4B\x89\x9E(&B)",
             IDM_APPLY_BAND_CHANGE),  // バンド変更の適応(&B)
        item(1, "\x93\xFC\x97\xCD\x83\x8C\x83\x78\x83\x8B\x82\xCC\x93\x4B\x89\x9E(&I)",
             IDM_APPLY_INPUT_LEVELS),  // 入力レベルの適応(&I)
        separator(1),
        popup(
            1,
            "\x8E\xA9\x93\xAE\x83\x8C\x83\x78\x83\x8B\x95\xE2\x90\xB3(&A)"),  // 自動レベル補正(&A)
        item(2, "\x83\x67\x83\x44\x83\x8B\x81\x5B\x83\x4A\x83\x89\x81\x5B(&T)",
             IDM_AUTO_LEVEL_TRUE_COLOUR),  // トゥルーカラー(&T)
        item(2, "2%\x83\x4E\x83\x8A\x83\x62\x83\x76", IDM_AUTO_LEVEL_CLIP),  // 2%クリップ
        item(2,
             "\x95\xBD\x8B\xCF\x81\x7D"
             "2\x83\xD0",
             IDM_AUTO_LEVEL_DEVIATION),  // 平均±2σ
        item(2, "\x83\x69\x83\x60\x83\x85\x83\x89\x83\x8B\x83\x4A\x83\x89\x81\x5B(&N)",
             IDM_AUTO_LEVEL_NATURAL_COLOUR),  // ナチュラルカラー(&N)
        item(1, "\x93\xFC\x97\xCD\x83\x8C\x83\x78\x83\x8B\x82\xCC\x98\x41\x93\xAE(&R)",
             IDM_LINK_LEVELS),                          // 入力レベルの連動(&R)
        popup(0, "\x95\x5C\x8E\xA6(&V)"),               // 表示(&V)
        item(1, "\x8A\x67\x91\xE5(&I)", IDM_ZOOM_IN),   // 拡大(&I)
        item(1, "\x8F\x6B\x8F\xAC(&O)", IDM_ZOOM_OUT),  // 縮小(&O)
        item(1, "\x91\x53\x91\xCC\x82\xF0\x95\x5C\x8E\xA6(&A)", IDM_ZOOM_TO_FIT),  // 全体を表示(&A)
        separator(1),
        item(1, "100%", IDM_ZOOM_ACTUAL_SIZE),
        separator(1),
        item(1,
             "\x83\x58\x83\x79\x83\x4E\x83\x67\x83\x8B\x83\x76\x83\x8D\x83\x74\x83\x40\x83\x43\x83"
             "\x8B(&P)",
             IDM_SPECTRAL_PROFILE),                // スペクトルプロファイル(&P)
        popup(0, "\x83\x82\x81\x5B\x83\x68(&M)"),  // モード(&M)
        item(1, "\x92\x50\x83\x6F\x83\x93\x83\x68\x83\x82\x81\x5B\x83\x68(&O)",
             IDM_SINGLE_BAND_MODE),  // 単バンドモード(&O)
        item(1, "\x82\x52\x83\x6F\x83\x93\x83\x68\x83\x82\x81\x5B\x83\x68(&T)",
             IDM_THREE_BAND_MODE),                 // ３バンドモード(&T)
        popup(0, "\x83\x77\x83\x8B\x83\x76(&H)"),  // ヘルプ(&H)
        item(1, "\x83\x68\x83\x4C\x83\x85\x83\x81\x83\x93\x83\x67\x82\xF0\x8C\xA9\x82\xE9(&D)",
             IDM_VIEW_DOCUMENT),  // ドキュメントを見る(&D)
        item(1, "Quillmere\x82\xC9\x82\xC2\x82\xA2\x82\xC4(&A)",
             IDM_ABOUT),  // Quillmereについて(&A)
    };
    EXPECT_EQ(rows, expected);
}

struct TooltipString {
    UINT id;
    const char* text;
};

TEST(TooltipStrings, LoadAsShiftJisTextsUnderTheirIds) {
    const TooltipString strings[] = {
        {IDS_TIP_OPEN, "CD-ROM\x82\xF0\x8A\x4A\x82\xAD"},  // CD-ROMを開く
        {IDS_TIP_SAVE_AS,
         "\x96\xBC\x91\x4F\x82\xF0\x95\x74\x82\xAF\x82\xC4\x95\xDB\x91\xB6"},  // 名前を付けて保存
        {IDS_TIP_APPLY_BAND_CHANGE,
         "\x83\x6F\x83\x93\x83\x68\x95\xCF\x8D\x58\x82\xCC\x93\x4B\x89\x9E"},  // バンド変更の適応
        // 入力レベルの適応. with an ASCII full stop.
        {IDS_TIP_APPLY_INPUT_LEVELS,
         "\x93\xFC\x97\xCD\x83\x8C\x83\x78\x83\x8B\x82\xCC\x93\x4B\x89\x9E."},
        {IDS_TIP_ZOOM_IN, "\x8A\x67\x91\xE5"},   // 拡大
        {IDS_TIP_ZOOM_OUT, "\x8F\x6B\x8F\xAC"},  // 縮小
    };
    for (const TooltipString& expected : strings) {
        char buffer[128] = {};
        const int length = LoadStringA(program(), expected.id, buffer, sizeof buffer);
        EXPECT_EQ(std::string(buffer, length > 0 ? length : 0), expected.text)
            << "string " << expected.id;
    }
}

// The toolbar maps the bitmap's button colours through its colour table, so the
// resource itself must be an 8-bit picture with a palette.
TEST(ToolbarBitmapResource, IsA144By24PictureOf8BitsWithAFullPalette) {
    const HRSRC found = FindResourceA(program(), MAKEINTRESOURCEA(IDB_TOOLBAR), RT_BITMAP);
    ASSERT_NE(found, nullptr);
    const auto* header =
        static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(program(), found)));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->biWidth, 144);
    EXPECT_EQ(header->biHeight, 24);  // positive: bottom row first
    EXPECT_EQ(header->biBitCount, 8);
    EXPECT_EQ(header->biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_EQ(header->biClrUsed, 256u);
}

TEST(ToolbarBitmapResource, LoadsWithTheButtonFaceGreyBehindThePictures) {
    const HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(
        program(), MAKEINTRESOURCEA(IDB_TOOLBAR), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr);
    DIBSECTION section{};
    ASSERT_EQ(GetObjectA(bitmap, sizeof section, &section), static_cast<int>(sizeof section));
    EXPECT_EQ(section.dsBm.bmWidth, 144);
    EXPECT_EQ(section.dsBm.bmHeight, 24);
    EXPECT_EQ(section.dsBm.bmBitsPixel, 8);

    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    RGBQUAD colours[256] = {};
    EXPECT_EQ(GetDIBColorTable(dc, 0, 256, colours), 256u);
    for (int picture = 0; picture < 6; ++picture) {
        EXPECT_EQ(GetPixel(dc, picture * 24, 0), RGB(192, 192, 192)) << "picture " << picture;
    }
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
}

}  // namespace
}  // namespace qm
