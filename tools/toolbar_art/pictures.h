// The toolbar's pictures, each drawn on its own square of the strip.
#pragma once

#include "tools/toolbar_art/sketch.h"

namespace qm::toolbar_art {

// An open yellow folder with a curved arrow above it.
void drawOpenFolder(Sketch& sketch);
// A black floppy disk.
void drawFloppyDisk(Sketch& sketch);
// A blue disc with a play triangle and a small B: apply the band choice.
void drawBandDisc(Sketch& sketch);
// An orange disc with a play triangle and a small L: apply the input levels.
void drawLevelDisc(Sketch& sketch);
// Magnifying glasses with a plus and with a minus sign.
void drawZoomIn(Sketch& sketch);
void drawZoomOut(Sketch& sketch);

}  // namespace qm::toolbar_art
