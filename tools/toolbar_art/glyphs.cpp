#include "tools/toolbar_art/glyphs.h"

namespace qm::toolbar_art {

Glyph letterB() {
    return {
        "####.", "#...#", "#...#", "####.", "#...#", "#...#", "####.",
    };
}

Glyph letterL() {
    return {
        "#....", "#....", "#....", "#....", "#....", "#....", "#####",
    };
}

Glyph plusSign() {
    return {
        "..##..", "..##..", "######", "######", "..##..", "..##..",
    };
}

Glyph minusSign() {
    return {
        "######",
        "######",
    };
}

}  // namespace qm::toolbar_art
