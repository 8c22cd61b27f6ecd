#include "tools/toolbar_art/pictures.h"

#include "tools/toolbar_art/palette.h"

namespace qm::toolbar_art {
namespace {

void outlinedRect(Sketch& sketch, int left, int top, int right, int bottom, std::uint8_t fill,
                  std::uint8_t edge) {
    sketch.fillRect(left, top, right, bottom, edge);
    sketch.fillRect(left + 1, top + 1, right - 1, bottom - 1, fill);
}

// The folder's front flap leans right: its top edge is 4 pixels further right than
// its bottom edge, which is what makes the folder look open.
void folderFlap(Sketch& sketch) {
    const int top = 13;
    const int bottom = 20;
    for (int y = top; y <= bottom; ++y) {
        const int left = 1 + (bottom - y) * 4 / (bottom - top);
        const int right = left + 17;
        sketch.fillRect(left, y, right, y, kFolderEdge);
        if (y != top && y != bottom) {
            sketch.fillRect(left + 1, y, right - 1, y, kFolderLight);
        }
    }
}

// A green arrow rising out of the folder and curving over to point down at its
// right-hand side.
void curvedArrow(Sketch& sketch) {
    sketch.upperArc(14.0, 9.0, 3.0, 6.0, kArrowEdge);
    sketch.upperArc(14.0, 9.0, 4.0, 5.0, kArrowGreen);
    for (int row = 0; row < 4; ++row) {
        sketch.fillRect(16 + row, 9 + row, 23 - row, 9 + row, kArrowEdge);
    }
    for (int row = 0; row < 3; ++row) {
        sketch.fillRect(18 + row, 9 + row, 21 - row, 9 + row, kArrowGreen);
    }
}

// A triangle pointing right, nine columns wide and rows 6 to 14 high at its base,
// narrowing by a pixel at each end every second column: centred on row 10.5.
void playTriangle(Sketch& sketch, int left, std::uint8_t ink) {
    for (int column = 0; column < 9; ++column) {
        sketch.fillRect(left + column, 6 + column / 2, left + column, 14 - column / 2, ink);
    }
}

void disc(Sketch& sketch, std::uint8_t body, std::uint8_t light, std::uint8_t edge,
          const Glyph& letter) {
    sketch.fillDisc(10.5, 10.5, 9.6, edge);
    sketch.fillDisc(10.5, 10.5, 8.6, body);
    sketch.upperArc(10.5, 10.5, 6.6, 7.6, light);
    playTriangle(sketch, 8, kWhite);
    sketch.glyphHalo(letter, 17, 15, kWhite);
    sketch.glyph(letter, 17, 15, kBlack);
}

void magnifier(Sketch& sketch, const Glyph& sign, int signTop) {
    // The handle: 3 x 3 squares stepping down the diagonal make a thick band with
    // clean edges, where one-pixel lines side by side would leave gaps.
    for (int step = 0; step < 7; ++step) {
        sketch.fillRect(13 + step, 13 + step, 15 + step, 15 + step, kHandle);
    }
    sketch.fillDisc(9.5, 9.5, 7.6, kBlack);
    sketch.fillDisc(9.5, 9.5, 6.1, kLensGlass);
    sketch.glyph(sign, 7, signTop, kBlack);
}

}  // namespace

void drawOpenFolder(Sketch& sketch) {
    curvedArrow(sketch);
    outlinedRect(sketch, 1, 8, 7, 10, kFolderYellow, kFolderEdge);
    outlinedRect(sketch, 1, 10, 16, 20, kFolderYellow, kFolderEdge);
    folderFlap(sketch);
}

void drawFloppyDisk(Sketch& sketch) {
    sketch.fillRect(2, 2, 21, 21, kBlack);
    // The cut corner at the top right.
    sketch.fillRect(21, 2, 21, 3, kButtonFace);
    sketch.dot(20, 2, kButtonFace);
    // The metal shutter with its window, and the paper label with two lines of text.
    sketch.fillRect(6, 2, 16, 8, kMetal);
    sketch.fillRect(12, 3, 14, 7, kBlack);
    sketch.fillRect(5, 12, 18, 20, kWhite);
    sketch.fillRect(7, 14, 16, 14, kShadow);
    sketch.fillRect(7, 17, 16, 17, kShadow);
}

void drawBandDisc(Sketch& sketch) {
    disc(sketch, kDiscBlue, kDiscBlueLight, kDiscBlueEdge, letterB());
}

void drawLevelDisc(Sketch& sketch) {
    disc(sketch, kDiscOrange, kDiscOrangeLight, kDiscOrangeEdge, letterL());
}

void drawZoomIn(Sketch& sketch) {
    magnifier(sketch, plusSign(), 7);
}

void drawZoomOut(Sketch& sketch) {
    magnifier(sketch, minusSign(), 9);
}

}  // namespace qm::toolbar_art
