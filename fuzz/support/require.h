// A rule a target checks on what the code gave back. A broken rule ends the run
// like a crash, so libFuzzer keeps the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace qm::fuzz {

inline void require(bool holds, const char* rule) {
    if (holds)
        return;
    std::fprintf(stderr, "rule broken: %s\n", rule);
    std::abort();
}

}  // namespace qm::fuzz
