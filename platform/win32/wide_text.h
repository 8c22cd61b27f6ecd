// Texts of a code page as UTF-16, through the system's own conversion.
#pragma once

#include <windows.h>

#include <climits>
#include <string>
#include <string_view>

namespace qm::platform {

// Empty for an empty text, one too long for the system's count, or one the system
// cannot convert. Without MB_ERR_INVALID_CHARS the system puts its default
// character in place of bytes that start no character, rather than failing the
// whole text.
inline std::wstring wideFrom(UINT codePage, std::string_view text) {
    if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX))
        return {};
    const int length = static_cast<int>(text.size());
    const int wideLength = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    if (wideLength <= 0)
        return {};
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), wideLength);
    return wide;
}

}  // namespace qm::platform
