// Turns the rotation of a mouse wheel into whole steps (lines, pages or zoom
// steps). A notch is WHEEL_DELTA (120); high-resolution wheels report parts of a
// notch, which add up until they make a step.
#pragma once

#include <cstdint>

namespace qm {

class WheelSteps {
  public:
    // The whole steps that `delta` completes at `stepsPerNotch` steps a notch:
    // positive for a turn forward (or right), negative back (or left). What is
    // left over waits for the next turn the same way; a turn the other way drops it.
    std::int64_t take(int delta, std::uint32_t stepsPerNotch);

  private:
    // Turned but not yet stepped, in steps times WHEEL_DELTA.
    std::int64_t remainder_ = 0;
};

}  // namespace qm
