// The product catalogue's own texts, in one place so their bytes can be checked.
// Literals are compiled to code page 932, so these are Shift-JIS in every build.
#pragma once

namespace qm::texts {

// The display names of a scene's bands when the configuration names none, by the
// band code of the file name.
struct SceneBandName {
    int code;
    const char* name;
};
inline constexpr SceneBandName kSceneBandNames[] = {
    {10, "バンド1"},
    {20, "バンド2"},
    {30, "バンド3"},
    {40, "バンド4"},
    {50, "バンド5"},
    {61, "バンド6 (低ゲイン)"},
    {62, "バンド6 (高ゲイン)"},
    {70, "バンド7"},
    {80, "バンド8"},
};

}  // namespace qm::texts
