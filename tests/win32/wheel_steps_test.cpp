// Wheel turns into whole steps: parts of a notch add up exactly at any number of
// steps a notch, and a turn the other way drops what was left.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "app/wheel_steps.h"

namespace qm {
namespace {

struct StepsCase {
    const char* what;
    std::uint32_t stepsPerNotch;
    std::vector<int> deltas;
    std::vector<std::int64_t> steps;  // one per delta
};

const StepsCase kCases[] = {
    {"a notch forward", 3, {120}, {3}},
    {"a notch back", 3, {-120}, {-3}},
    {"parts add up", 1, {30, 30, 30, 30, 30}, {0, 0, 0, 1, 0}},
    {"no part is lost at 7 a notch", 7, {40, 40, 40}, {2, 2, 3}},
    {"a turn back drops the part", 1, {90, -60, -60}, {0, 0, -1}},
    {"nothing at 0 a notch", 0, {120, -120}, {0, 0}},
    {"steps past 32 bits", 4294967294u, {120}, {4294967294}},
    {"the largest turn", 3, {-32768}, {-819}},
};

TEST(WheelStepsTest, TurnsBecomeWholeSteps) {
    for (const StepsCase& c : kCases) {
        SCOPED_TRACE(c.what);
        WheelSteps wheel;
        std::vector<std::int64_t> steps;
        for (const int delta : c.deltas)
            steps.push_back(wheel.take(delta, c.stepsPerNotch));
        EXPECT_EQ(steps, c.steps);
    }
}

}  // namespace
}  // namespace qm
