#include "tools/sample_gen/random.h"

namespace qm::sample {
namespace {

std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

double toUnit(std::uint64_t bits) {
    // The top 53 bits fill a double's mantissa exactly.
    return static_cast<double>(bits >> 11) * (1.0 / 9007199254740992.0);
}

}  // namespace

std::uint64_t Random::next() {
    state_ += 0x9E3779B97F4A7C15ULL;
    return mix(state_);
}

double Random::unit() {
    return toUnit(next());
}

double latticeValue(std::uint64_t seed, std::int64_t x, std::int64_t y) {
    const std::uint64_t key = mix(seed ^ mix(static_cast<std::uint64_t>(x) * 0x9E3779B97F4A7C15ULL +
                                             static_cast<std::uint64_t>(y)));
    return toUnit(key);
}

}  // namespace qm::sample
