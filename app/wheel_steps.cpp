#include "app/wheel_steps.h"

#include <windows.h>

namespace qm {

// Counting in steps times WHEEL_DELTA keeps every part of a notch, whatever the
// number of steps a notch makes.
std::int64_t WheelSteps::take(int delta, std::uint32_t stepsPerNotch) {
    if ((delta > 0 && remainder_ < 0) || (delta < 0 && remainder_ > 0))
        remainder_ = 0;
    remainder_ += std::int64_t{delta} * stepsPerNotch;
    const std::int64_t steps = remainder_ / WHEEL_DELTA;
    remainder_ -= steps * WHEEL_DELTA;
    return steps;
}

}  // namespace qm
