// Code page 932 texts on Windows: converted through UTF-16 by the system, and
// written to the console as they are, since the console takes the ANSI code page.
#include <windows.h>

#include <climits>

#include "platform/platform.h"

namespace qm::platform {
namespace {

constexpr UINT kShiftJisCodePage = 932;

}  // namespace

std::string utf8FromAnsi(std::string_view text) {
    if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX))
        return {};
    const int length = static_cast<int>(text.size());
    // Without MB_ERR_INVALID_CHARS the system puts its default character in place
    // of bytes that start no character, rather than failing the whole text.
    const int wideLength =
        MultiByteToWideChar(kShiftJisCodePage, 0, text.data(), length, nullptr, 0);
    if (wideLength <= 0)
        return {};
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(kShiftJisCodePage, 0, text.data(), length, wide.data(), wideLength);

    const int utf8Length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (utf8Length <= 0)
        return {};
    std::string result(static_cast<std::size_t>(utf8Length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, result.data(), utf8Length, nullptr,
                        nullptr);
    return result;
}

std::string consoleTextFromAnsi(std::string_view text) {
    return std::string(text);
}

// Paths are program texts on Windows, shown as they are.
std::string consolePath(std::string_view path) {
    return std::string(path);
}

std::string utf8Path(std::string_view path) {
    return utf8FromAnsi(path);
}

std::string programTextFromPath(std::string_view path) {
    return std::string(path);
}

}  // namespace qm::platform
