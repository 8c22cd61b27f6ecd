// Character tests and case changes of the ASCII letters and digits alone, the same
// in every locale: the files the program reads are Shift-JIS, whose double-byte
// characters must never be taken for letters, digits or spaces.
#pragma once

#include <string_view>

namespace qm {

constexpr bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

// Space, tab, line feed, vertical tab, form feed and carriage return.
constexpr bool isAsciiSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

constexpr char asciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether the text ends in `ending`, ASCII letters compared without case: file
// name extensions such as ".LAB" and ".png". An ending that starts with '.' is
// safe in Shift-JIS text: '.' is never the second byte of a character, so the
// letters after it are characters of their own.
constexpr bool endsWithAsciiNoCase(std::string_view text, std::string_view ending) {
    if (text.size() < ending.size())
        return false;
    const std::string_view end = text.substr(text.size() - ending.size());
    for (std::size_t i = 0; i < end.size(); ++i) {
        if (asciiUpper(end[i]) != asciiUpper(ending[i]))
            return false;
    }
    return true;
}

// Whether the texts are equal, ASCII letters compared without case: file names
// and the labels of headers and configuration files.
constexpr bool equalsAsciiNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && endsWithAsciiNoCase(a, b);
}

// A C text that may be null (a label entry that is missing), as an empty text.
constexpr const char* textOrEmpty(const char* text) {
    return text ? text : "";
}

}  // namespace qm
