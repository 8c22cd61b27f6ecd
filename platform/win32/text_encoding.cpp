// Code page 932 texts on Windows: converted through UTF-16 by the system, and
// written to the console as they are, since the console takes the ANSI code page.
#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/wide_text.h"

namespace qm::platform {
namespace {

constexpr UINT kShiftJisCodePage = 932;

}  // namespace

std::string utf8FromAnsi(std::string_view text) {
    const std::wstring wide = wideFrom(kShiftJisCodePage, text);
    if (wide.empty())
        return {};
    const int wideLength = static_cast<int>(wide.size());
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
