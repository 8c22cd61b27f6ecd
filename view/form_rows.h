// Whole rows mapped through level forms (see level_form.h) with vector
// instructions: SSE2, which every x86 build of ours may assume, and AVX2 when the
// processor in hand reports it; plain code elsewhere and for the last few pixels.
// Every path gives exactly the forms' bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "view/level_form.h"
#include "view/levels.h"

namespace qm {

// One form per display channel: 0 red, 1 green, 2 blue.
using ChannelForms = std::array<LevelForm, 3>;

// Whether mapColourPixelsByForms takes every step-th pixel: steps 1, 2, 4 and 8,
// which vector loads can thin out without a gather. Other steps keep the tables.
bool formsTakeStep(std::size_t step);

// count pixels of three bytes, blue (channel 2), green (1), red (0), taken from the
// lines' columns first, first + step, first + 2 step, ..., as mapColourPixels takes
// them; the step is one that formsTakeStep accepts. A channel whose form is
// constant is not read.
void mapColourPixelsByForms(const ChannelLines& lines, const ChannelForms& forms, std::size_t first,
                            std::size_t step, std::size_t count, std::uint8_t* out);

// count bytes: the form's byte of line[0 .. count - 1].
void mapGreyPixelsByForm(const std::uint8_t* line, const LevelForm& form, std::size_t count,
                         std::uint8_t* out);

}  // namespace qm
