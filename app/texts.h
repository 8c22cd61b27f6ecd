// The application shell's own texts, in one place so their bytes can be checked.
// Literals are compiled to code page 932, so these are Shift-JIS in every build.
#pragma once

namespace qm::texts {

// First item of every band chooser: show nothing in this channel.
inline constexpr char kNoBand[] = "表示しない";

}  // namespace qm::texts
