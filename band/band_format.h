// The two band file formats, with the codes the configuration file's "Logical
// Format" section gives them: 1 the record format, 2 the fast format.
#pragma once

#include <optional>

namespace qm {

enum class BandFormat : int {
    Record = 1,
    Fast = 2,
};

// The format a configuration code stands for; none for any other code.
constexpr std::optional<BandFormat> bandFormatOf(int code) {
    if (code == static_cast<int>(BandFormat::Record))
        return BandFormat::Record;
    if (code == static_cast<int>(BandFormat::Fast))
        return BandFormat::Fast;
    return std::nullopt;
}

}  // namespace qm
