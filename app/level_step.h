// One click of a level up-down: the level pair moves by the click's delta, stays
// within the up-down limits, and keeps high above low by moving the level clicked.
#pragma once

#include "view/level_range.h"

namespace qm {

enum class LevelMember { High, Low };

void stepLevel(LevelRange& range, LevelMember member, int delta);

}  // namespace qm
