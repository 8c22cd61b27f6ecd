// The AVX2 rounds of the form row mapper (form_rows.cpp), 32 pixels a round. They
// are compiled for AVX2 alone and run only where hasAvx2() says the processor and
// the system support it; the rest of the program assumes no more than SSE2.
#pragma once

#include <cstddef>
#include <cstdint>

#include "view/form_rows.h"

namespace qm {

// True on an x86 processor whose AVX2 the operating system has enabled, unless it
// has been turned off below.
bool hasAvx2();

// Turns the AVX2 rounds off (or on again), so that tests can check the SSE2 rounds
// on a processor that has AVX2. Returns the previous setting.
bool setAvx2Allowed(bool allowed);

// Maps the pixels at columns 0, 2^halvings, 2 * 2^halvings, ... of the lines
// (halvings 0 to 3), blue green red, in as many whole rounds as fit before count;
// returns how many pixels they did. Reads no byte past column
// (count - 1) * 2^halvings and writes none past out + 3 * count. Does nothing
// (returns 0) where AVX2 is not compiled in.
std::size_t mapColourAvx2(const ChannelLines& lines, const ChannelForms& forms, int halvings,
                          std::size_t count, std::uint8_t* out);

}  // namespace qm
